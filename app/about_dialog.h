#pragma once

#include "widgets/window_look.h"

#include <memory>

namespace Ui {
class AboutDialog;
}

// The About box: who made the program, and two links that the desktop opens in the browser.
class AboutDialog : public CentredDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openSiteLink();
    void openForumLink();
    void underlineSiteLink();
    void plainSiteLink();

    std::unique_ptr<Ui::AboutDialog> m_ui;
    QObject *m_pressed = nullptr; // the link label a left press went down on, until it comes up
};
