#include "widgets/window_look.h"

#include <QApplication>

#include <QScreen>
#include <QWidget>
#include <algorithm>

QFont windowFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void CentredDialog::showEvent(QShowEvent *event)
{
    if (const QScreen *onScreen = m_centreOver ? m_centreOver->screen() : screen()) {
        const QRect area = onScreen->availableGeometry();
        const QRect over = m_centreOver ? m_centreOver->window()->frameGeometry() : area;
        const QSize outer = frameGeometry().size();
        QPoint topLeft = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
        topLeft.setX(
            std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
        topLeft.setY(
            std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
        move(topLeft);
    }
    QDialog::showEvent(event);
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

void showCentredOver(CentredDialog *dialog, QWidget *window)
{
    if (!dialog)
        return;
    dialog->setCentreOver(window);
    dialog->exec();
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() -
                     QPoint(window->width() / 2, window->height() / 2));
}
