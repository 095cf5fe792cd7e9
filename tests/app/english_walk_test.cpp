#include "app/about_dialog.h"
#include "app/main_window.h"
#include "settings/settings_dialog.h"
#include "support/message_recorder.h"
#include "support/temp_settings.h"
#include "support/working_folder.h"
#include "text/interface_language.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

QStringList headerTexts(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int i = 0; i < model->columnCount(); ++i)
        texts << model->headerData(i, Qt::Horizontal).toString();
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->headerData(i, Qt::Vertical).toString();
    return texts;
}

// Every text a window shows of its own: captions, titles, tabs, menus, list headers, tooltips.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle(), window->toolTip()};
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        texts << w->toolTip() << w->windowTitle();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            texts << group->title();
        if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            texts << edit->text() << edit->placeholderText();
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            texts << combo->currentText();
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        if (const auto *menu = qobject_cast<const QMenu *>(w))
            texts << menu->title();
        if (const auto *list = qobject_cast<const QAbstractItemView *>(w); list && list->model())
            texts << headerTexts(list->model());
    }
    for (const QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    return texts;
}

} // namespace

// On an English desktop no Russian is left in any window before a page brings its own data.
TEST(EnglishInterface, NoWindowShowsRussian)
{
    const WorkingFolder empty;
    const TempSettingsDir settings;
    MessageRecorder recorder;
    const InterfaceLanguage language(QLocale(QLocale::English, QLocale::UnitedStates));
    MainWindow window;
    AboutDialog about;
    SettingsDialog settingsDialog;
    window.setSettingsDialog(&settingsDialog);
    window.setAboutDialog(&about);
    QStringList texts;
    for (const QWidget *shown : std::initializer_list<const QWidget *>{&window, &about, &settingsDialog})
        texts << textsOf(shown);
    // Commands with nothing to act on answer with boxes: those speak English too.
    for (const char *action : {"N2", "exportCsvAction", "copyForumAction"})
        window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
    window.findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
    for (const MessageRecorder::Box &box : recorder.boxes)
        texts << box.caption << box.text;
    ASSERT_GT(recorder.boxes.size(), 3u);
    for (const QString &text : texts)
        EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
}
