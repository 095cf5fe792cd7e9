#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

// The interface speaks English on an English desktop and Russian (its own language) everywhere else;
// Qt's own dialog texts follow. Installed for the life of the object.
class InterfaceLanguage {
public:
    explicit InterfaceLanguage(const QLocale &locale);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

    bool english() const { return m_english; }

private:
    bool m_english = false;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

// The locale numbers are shown in, matching the interface's language: the desktop's own English one
// while the English interface is installed, Russian otherwise (a decimal comma).
QLocale interfaceLocale();
