#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>

// The face and size every window of the program uses: the layouts are measured for an 11-pixel
// sans-serif face of the classic width.
QFont windowFont();

// The window takes no input while the network is waited on; the cursor says so.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

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

// Places the window in the middle of the primary screen.
void centreOnScreen(QWidget *window);

// Shows the dialog modally over the centre of the window; nothing when there is no dialog yet.
void showCentredOver(CentredDialog *dialog, QWidget *window);
