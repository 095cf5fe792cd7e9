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

TForm2::TForm2(QWidget *parent)
    : CentredDialog(parent,
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    // The generated form class stays inside this file: its header is only seen by this library.
    Ui::TForm2 ui;
    ui.setupUi(this);
    Label2 = ui.Label2;
    Label6 = ui.Label6;
    Label1 = ui.Label1;
    Label8 = ui.Label8;
    Label3 = ui.Label3;
    Label4 = ui.Label4;
    Label5 = ui.Label5;
    Label7 = ui.Label7;
    setFont(windowFont());
    setFixedSize(232, 154);

    const QColor navy(0x00, 0x00, 0x80);
    for (QLabel *label : {Label2, Label6, Label1, Label8})
        colour(label, QPalette::WindowText, navy);
    colour(Label3, QPalette::Window, QColor(0xFF, 0x00, 0x00));
    colour(Label5, QPalette::Window, QColor(0x00, 0x80, 0x00));
    colour(Label5, QPalette::WindowText, Qt::white); // black on dark green is hard to read
    Label5->setContentsMargins(4, 0, 4, 0);
    for (QLabel *link : {Label4, Label5}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

void TForm2::Label4Click() { messages().openUrl(QUrl(siteAddress)); }

void TForm2::Label5Click() { messages().openUrl(QUrl(forumAddress)); }

void TForm2::Label4MouseEnter()
{
    QFont underlined = Label4->font();
    underlined.setUnderline(true);
    Label4->setFont(underlined);
}

void TForm2::Label4MouseLeave()
{
    // Back to a plain style, whatever it was before.
    QFont plain = Label4->font();
    plain.setUnderline(false);
    plain.setBold(false);
    plain.setItalic(false);
    plain.setStrikeOut(false);
    Label4->setFont(plain);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Label4 && watched != Label5)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        if (watched == Label4)
            runGuarded([this] { Label4MouseEnter(); });
        break;
    case QEvent::Leave:
        if (watched == Label4)
            runGuarded([this] { Label4MouseLeave(); });
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
        if (click && watched == Label4)
            runGuarded([this] { Label4Click(); });
        else if (click)
            runGuarded([this] { Label5Click(); });
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
