#pragma once

class QWidget;

// Moves a dialog over the centre of a window (the screen's centre without one), kept on the screen.
void centreOver(QWidget *dialog, QWidget *window);
