#pragma once

#include "ui_about_dialog.h"

#include <QDialog>
#include <QPointer>

// The About box: who made the program, and two links that the desktop opens in the browser.
class TForm2 : public QDialog, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Places the dialog over the centre of this window each time it is shown (the screen's centre
    // when none is set or it is gone).
    void setCentreOver(QWidget *window);

    void Label4Click();
    void Label5Click();
    void Label4MouseEnter();
    void Label4MouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void centre();

    QPointer<QWidget> m_centreOver;
    QObject *m_pressed = nullptr; // the link label a left press went down on, until it comes up
};
