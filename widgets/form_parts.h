#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// Small helpers of the pages that build their controls in code.

// The widget, given the objectName tests and style sheets find it by.
template <class T> T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// A caption beside a control, its buddy, so its shortcut and a click reach the control.
inline QLabel *labelFor(QWidget *buddy, const QString &text)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}
