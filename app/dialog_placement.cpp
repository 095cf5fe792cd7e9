#include "app/dialog_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void centreOver(QWidget *dialog, QWidget *window)
{
    QScreen *onScreen = window ? window->screen() : dialog->screen();
    if (!onScreen)
        return;
    const QRect area = onScreen->availableGeometry();
    const QRect over = window ? window->window()->frameGeometry() : area;
    const QSize outer = dialog->frameGeometry().size();
    QPoint topLeft = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
    topLeft.setX(
        std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    topLeft.setY(
        std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    dialog->move(topLeft);
}
