#pragma once

#include "widgets/window_look.h"

#include <memory>

class QLabel;
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
    // The controls this code works, by what they are.
    struct Controls {
        QLabel *nameLabel = nullptr;
        QLabel *versionLabel = nullptr;
        QLabel *authorLabel = nullptr;
        QLabel *calculationsLabel = nullptr;
        QLabel *clubLabel = nullptr;
        QLabel *siteLink = nullptr;
        QLabel *forumLink = nullptr;
    };
    Controls m_controls;
    QObject *m_pressed = nullptr; // the link label a left press went down on, until it comes up
};
