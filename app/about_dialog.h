#pragma once

#include "widgets/window_look.h"

class QLabel;

// The About box: who made the program, and two links that the desktop opens in the browser.
class TForm2 : public CentredDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // The labels, built from about_dialog.ui, under their object names, top to bottom.
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;

    void Label4Click();
    void Label5Click();
    void Label4MouseEnter();
    void Label4MouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *m_pressed = nullptr; // the link label a left press went down on, until it comes up
};
