#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "settings/settings_dialog.h"
#include "support/temp_settings.h"
#include "support/window_fixture.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

using HistoryWindow = WindowFixture;

// A stored fetch on the main page says when it was made, beside the team, until a live fetch takes its
// place; its export is the live one's to the byte.
TEST_F(HistoryWindow, AStoredFetchSaysSoUntilALiveOneAndExportsTheSame)
{
    offer(5, team(QStringLiteral("Альфа")));
    const QDateTime fetchedAt = QDateTime::currentDateTimeUtc().addDays(-3);
    keepTalentPage(5, teams[5], fetchedAt);
    form->openHistory(historyFile());
    controlOf<QTabWidget>(form.get(), "PageControl2")->setCurrentIndex(2);
    chooseRow(controlOf<QTreeView>(form.get(), "historyTeams"), 0);
    addToChoice(controlOf<QTreeView>(form.get(), "historyFetches"), 0);
    controlOf<QPushButton>(form.get(), "historyShowButton")->click();
    auto *stored = controlOf<QLabel>(form.get(), "storedFetchLabel");
    EXPECT_FALSE(stored->isHidden());
    EXPECT_EQ(stored->text(), QStringLiteral("Из истории: ") +
                                  fetchedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    form->saveTeamOnView(QStringLiteral("stored.txt"));

    fetch(5);
    EXPECT_TRUE(stored->isHidden());
    form->saveTeamOnView(QStringLiteral("live.txt"));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(contentOf(QStringLiteral("live.txt")).isEmpty());
    EXPECT_EQ(contentOf(QStringLiteral("stored.txt")), contentOf(QStringLiteral("live.txt")));
}

// Fetches older than KeepMonths go only once the user agrees; a «no» keeps them and is not asked again
// until KeepMonths changes. A team's last fetch stays whatever its age.
TEST_F(HistoryWindow, OldFetchesGoOnlyWhenTheUserAgreesAndANoStandsUntilTheSettingChanges)
{
    const TempSettingsDir settingsDir;
    settingsDir.writeIni("[History]\nKeepMonths=1\n");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const int daysAgo : {90, 75, 50, 20})
        keepTalentPage(3, team(QStringLiteral("Старт")), now.addDays(-daysAgo));
    keepTalentPage(4, team(QStringLiteral("Финиш")), now.addDays(-200));
    SettingsDialog settings;
    form->setSettingsDialog(&settings);
    auto *notice = controlOf<QLabel>(form.get(), "historyNotice");

    form->openHistory(historyFile());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("question"));
    EXPECT_TRUE(
        recorder.boxes[0].text.startsWith(QStringLiteral("Загрузок старше 1 мес. в истории: 3 (сделаны с ")))
        << recorder.boxes[0].text.toStdString();
    EXPECT_EQ(controlOf<QLabel>(&settings, "keptFetchesLabel")->text(),
              QStringLiteral("Хранится загрузок: 2, будет удалено при запуске: 3."));
    form->openHistory(historyFile()); // the next start
    EXPECT_EQ(recorder.boxes.size(), 1u) << "a no stands";
    EXPECT_TRUE(notice->isHidden());

    controlOf<QSpinBox>(&settings, "keepMonthsSpin")->setValue(2);
    EXPECT_EQ(controlOf<QLabel>(&settings, "keptFetchesLabel")->text(),
              QStringLiteral("Хранится загрузок: 3, будет удалено при запуске: 2."));
    recorder.questionAnswer = true;
    form->openHistory(historyFile());
    ASSERT_EQ(recorder.boxes.size(), 2u) << "asked again under the new setting";
    EXPECT_FALSE(notice->isHidden());
    EXPECT_TRUE(notice->text().startsWith(QStringLiteral("При запуске из истории удалено загрузок: 2,")));
    HistoryStore store;
    ASSERT_TRUE(store.open(historyFile()).ok);
    EXPECT_EQ(store.fetchesOf(3).size(), 2u);
    EXPECT_EQ(store.fetchesOf(4).size(), 1u) << "the last fetch of a team stays";
}
