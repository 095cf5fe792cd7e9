#include "text/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Debian's qt6-translations-l10n ships qtbase_ru; a Qt installed from elsewhere may carry only the
// qt_ru catalogue, which pulls qtbase_ru in itself.
bool loadQtRussian(QTranslator &translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return translator.load(QStringLiteral("qtbase_ru"), folder) ||
           translator.load(QStringLiteral("qt_ru"), folder);
}

QLocale russian() { return QLocale(QLocale::Russian, QLocale::Russia); }

QLocale shownLocale = russian();

} // namespace

QLocale interfaceLocale() { return shownLocale; }

InterfaceLanguage::InterfaceLanguage(const QLocale &locale)
    : m_english(locale.language() == QLocale::English), m_program(std::make_unique<QTranslator>()),
      m_qt(std::make_unique<QTranslator>())
{
    // The program's texts are written in Russian; only English needs a translation of them. Qt's own
    // buttons are English by nature and need one for Russian.
    if (m_english && m_program->load(QStringLiteral(":/i18n/brindlemark_en.qm"))) {
        QCoreApplication::installTranslator(m_program.get());
        shownLocale = locale;
    }
    if (!m_english && loadQtRussian(*m_qt))
        QCoreApplication::installTranslator(m_qt.get());
}

InterfaceLanguage::~InterfaceLanguage()
{
    QCoreApplication::removeTranslator(m_program.get());
    QCoreApplication::removeTranslator(m_qt.get());
    shownLocale = russian();
}
