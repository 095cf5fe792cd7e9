#include "widgets/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

InterfaceLanguage::InterfaceLanguage(const QLocale &locale)
    : m_english(locale.language() == QLocale::English), m_program(std::make_unique<QTranslator>()),
      m_qt(std::make_unique<QTranslator>())
{
    // The program's texts are written in Russian; only English needs a translation of them. Qt's own
    // buttons are English by nature and need one for Russian.
    if (m_english && m_program->load(QStringLiteral(":/i18n/brindlemark_en.qm")))
        QCoreApplication::installTranslator(m_program.get());
    if (!m_english &&
        m_qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qt.get());
}

InterfaceLanguage::~InterfaceLanguage()
{
    QCoreApplication::removeTranslator(m_program.get());
    QCoreApplication::removeTranslator(m_qt.get());
}
