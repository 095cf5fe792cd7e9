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
    setFont(windowFont());
    setFixedSize(232, 154);

    const QColor navy(0x00, 0x00, 0x80);
    for (QLabel *label : {m_ui->Label2, m_ui->Label6, m_ui->Label1, m_ui->Label8})
        colour(label, QPalette::WindowText, navy);
    colour(m_ui->Label3, QPalette::Window, QColor(0xFF, 0x00, 0x00));
    colour(m_ui->Label5, QPalette::Window, QColor(0x00, 0x80, 0x00));
    colour(m_ui->Label5, QPalette::WindowText, Qt::white); // black on dark green is hard to read
    m_ui->Label5->setContentsMargins(4, 0, 4, 0);
    for (QLabel *link : {m_ui->Label4, m_ui->Label5}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::openSiteLink() { messages().openUrl(QUrl(siteAddress)); }

void AboutDialog::openForumLink() { messages().openUrl(QUrl(forumAddress)); }

void AboutDialog::underlineSiteLink()
{
    QFont underlined = m_ui->Label4->font();
    underlined.setUnderline(true);
    m_ui->Label4->setFont(underlined);
}

void AboutDialog::plainSiteLink()
{
    // Back to a plain style, whatever it was before.
    QFont plain = m_ui->Label4->font();
    plain.setUnderline(false);
    plain.setBold(false);
    plain.setItalic(false);
    plain.setStrikeOut(false);
    m_ui->Label4->setFont(plain);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_ui->Label4 && watched != m_ui->Label5)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        if (watched == m_ui->Label4)
            runGuarded([this] { underlineSiteLink(); });
        break;
    case QEvent::Leave:
        if (watched == m_ui->Label4)
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
        if (click && watched == m_ui->Label4)
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
