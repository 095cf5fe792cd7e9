#pragma once

#include <QWidget>

class QToolButton;

// A horizontal pair of arrows with an integer position that wraps inside minimum..maximum.
// Before the position moves it raises changing(), whose handler may refuse the move.
class ArrowPair : public QWidget {
    Q_OBJECT
public:
    explicit ArrowPair(QWidget *parent = nullptr);

    int position() const { return m_position; }
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setMaximum(int maximum);
    bool wrap() const { return m_wrap; }

    // What a click on an arrow does: +1 for the right arrow, -1 for the left one.
    void click(int step);

    QToolButton *leftArrow() const { return m_left; }
    QToolButton *rightArrow() const { return m_right; }

Q_SIGNALS:
    void changing(bool &allowChange);

private:
    QToolButton *m_left;
    QToolButton *m_right;
    int m_position = 0;
    int m_minimum = 0;
    int m_maximum = 0;
    bool m_wrap = true;
};
