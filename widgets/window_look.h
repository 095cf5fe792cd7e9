#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>

// The face and size every window of the program uses: the layouts are measured for an 11-pixel
// sans-serif face of the classic width.
QFont windowFont();

// A dialog that opens over the centre of a given window (the screen's centre without one), kept on
// the screen.
class CentredDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Places the dialog over the centre of this window each time it is shown.
    void setCentreOver(QWidget *window) { m_centreOver = window; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_centreOver;
};
