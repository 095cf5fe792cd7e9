#include "app/about_dialog.h"

#include "ui_about_dialog.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"

#include <QMouseEvent>

namespace {

const QString siteAddress = QStringLiteral("https://brindlemark.example.org/");
const QString forumAddress = QStringLiteral("https://forum.brindlemark.example.org/index.php?showforum=85");

void colour(QLabel *label, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(role, colour);
    label->setPalette(palette);
    if (role == QPalette::Window)
        label->setAutoFillBackground(true);
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : CentredDialog(parent,
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    // The form's members carry the object names, the outside contract; this code goes by what they are.
    m_controls.nameLabel = m_ui->Label2;
    m_controls.versionLabel = m_ui->Label6;
    m_controls.authorLabel = m_ui->Label1;
    m_controls.calculationsLabel = m_ui->Label8;
    m_controls.clubLabel = m_ui->Label3;
    m_controls.siteLink = m_ui->Label4;
    m_controls.forumLink = m_ui->Label5;
    setFont(windowFont());
    setFixedSize(232, 154);

    const QColor navy(0x00, 0x00, 0x80);
    for (QLabel *label : {m_controls.nameLabel, m_controls.versionLabel, m_controls.authorLabel,
                          m_controls.calculationsLabel})
        colour(label, QPalette::WindowText, navy);
    colour(m_controls.clubLabel, QPalette::Window, QColor(0xFF, 0x00, 0x00));
    colour(m_controls.forumLink, QPalette::Window, QColor(0x00, 0x80, 0x00));
    colour(m_controls.forumLink, QPalette::WindowText, Qt::white); // black on dark green is hard to read
    m_controls.forumLink->setContentsMargins(4, 0, 4, 0);
    for (QLabel *link : {m_controls.siteLink, m_controls.forumLink}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::openSiteLink() { messages().openUrl(QUrl(siteAddress)); }

void AboutDialog::openForumLink() { messages().openUrl(QUrl(forumAddress)); }

void AboutDialog::underlineSiteLink()
{
    QFont underlined = m_controls.siteLink->font();
    underlined.setUnderline(true);
    m_controls.siteLink->setFont(underlined);
}

void AboutDialog::plainSiteLink()
{
    // Back to a plain style, whatever it was before.
    QFont plain = m_controls.siteLink->font();
    plain.setUnderline(false);
    plain.setBold(false);
    plain.setItalic(false);
    plain.setStrikeOut(false);
    m_controls.siteLink->setFont(plain);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_controls.siteLink && watched != m_controls.forumLink)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        if (watched == m_controls.siteLink)
            runGuarded([this] { underlineSiteLink(); });
        break;
    case QEvent::Leave:
        if (watched == m_controls.siteLink)
            runGuarded([this] { plainSiteLink(); });
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressed = watched;
        break;
    case QEvent::MouseButtonRelease: {
        // A click is a left press and release on the same label, released over it.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = mouse->button() == Qt::LeftButton && m_pressed == watched &&
                           static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            m_pressed = nullptr;
        if (click && watched == m_controls.siteLink)
            runGuarded([this] { openSiteLink(); });
        else if (click)
            runGuarded([this] { openForumLink(); });
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
