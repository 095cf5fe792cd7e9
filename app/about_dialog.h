#pragma once

#include "widgets/window_look.h"

#include <memory>

namespace Ui {
class TForm2;
}

// The About box: who made the program, and two links that the desktop opens in the browser.
class TForm2 : public CentredDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openSiteLink();
    void openForumLink();
    void underlineSiteLink();
    void plainSiteLink();

    std::unique_ptr<Ui::TForm2> m_ui;
    QObject *m_pressed = nullptr; // the link label a left press went down on, until it comes up
};
