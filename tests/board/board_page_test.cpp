#include "board/board_rows.h"
#include "history/history_page.h"
#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "settings/settings_dialog.h"
#include "settings/watch_options.h"
#include "storage/sqlite_database.h"
#include "support/temp_settings.h"
#include "support/window_fixture.h"
#include "text/code_page.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <csignal>
#include <sys/resource.h>

namespace {

// Runs the event loop until the condition holds, for at most `ms`.
bool waitUntil(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

std::string fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The real window over a catalogue of two divisions: «Лига А» of four teams (11..14) and «Лига Б» of
// one. The loopback server knows teams 11 and 12 only.
class BoardWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        SqliteDatabase(QStringLiteral("divisions.cds"), SqliteDatabase::Mode::Create)
            .execute("CREATE TABLE divisions (name, id); INSERT INTO divisions VALUES ('Лига А', 1), ('Лига "
                     "Б', 2);");
        SqliteDatabase(QStringLiteral("teams.cds"), SqliteDatabase::Mode::Create)
            .execute("CREATE TABLE teams (name, divId, teamId); INSERT INTO teams VALUES ('Альфа', 1, 11), "
                     "('Бета', 1, 12), ('Гамма', 1, 13), ('Дельта', 1, 14), ('Омега', 2, 21);");
        ui.reset();
        form = std::make_unique<MainWindow>();
        ui = std::make_unique<MainControls>(form.get());
        form->setExchangeTimeouts({1000, 1000, 200, 200, 500});
        teams[11] = team(QStringLiteral("Альфа"), 3);
        teams[12] = team(QStringLiteral("Бета"), 2);
        view = controlOf<QTableView>(form.get(), "boardView");
        refresh = controlOf<QPushButton>(form.get(), "boardRefreshButton");
        stop = controlOf<QPushButton>(form.get(), "boardStopButton");
        count = controlOf<QLabel>(form.get(), "boardCountLabel");
        status = controlOf<QLabel>(form.get(), "boardStatusLabel");
        ui->PageControl2->setCurrentWidget(controlOf<QWidget>(form.get(), "boardSheet"));
        form->show();
    }

    void TearDown() override
    {
        if (settings)
            form->setSettingsDialog(nullptr);
        WindowFixture::TearDown();
    }

    // The window keeps the pages it reads in a history file in the working folder; its path.
    QString keepHistory()
    {
        settings = std::make_unique<SettingsDialog>();
        form->setSettingsDialog(settings.get());
        const QString file = QDir::current().filePath(QStringLiteral("history.db"));
        form->openHistory(file);
        return file;
    }

    void chooseDivision(int index)
    {
        ui->ComboBox1->setCurrentIndex(index);
        Q_EMIT ui->ComboBox1->activated(index);
    }

    bool refreshOver()
    {
        return waitUntil([this] { return refresh->isEnabled(); });
    }

    QString cell(int row, int column) const { return view->model()->index(row, column).data().toString(); }

    // What the details button opens: empty when it opens nothing.
    QString failuresShown() const
    {
        controlOf<QToolButton>(form.get(), "boardFailuresButton")->click();
        auto *popup = controlOf<QWidget>(form.get(), "boardFailuresPopup");
        const QString text = popup->isVisible()
                                 ? controlOf<QPlainTextEdit>(popup, "boardFailuresText")->toPlainText()
                                 : QString();
        popup->hide();
        return text;
    }

    std::unique_ptr<SettingsDialog> settings;
    QTableView *view = nullptr;
    QPushButton *refresh = nullptr;
    QPushButton *stop = nullptr;
    QLabel *count = nullptr;
    QLabel *status = nullptr;
};

} // namespace

TEST_F(BoardWindow, RefreshFillsTheBoardNamesTheTeamsLeftOutAndSavesWhatIsShown)
{
    server.delayFor = [](const std::string &request) {
        return request.find("id=13") != std::string::npos ? -1 : 30;
    };
    chooseDivision(0);
    const int listHeight = view->height();
    refresh->click();
    EXPECT_FALSE(refresh->isEnabled());
    ASSERT_TRUE(refreshOver());

    EXPECT_EQ(server.requests.size(), 8u);
    EXPECT_EQ(count->text(), QStringLiteral("Показано 5 из 5"));
    // One plain line that takes nothing from the list; the teams and why, one click away.
    EXPECT_EQ(status->text(), QStringLiteral("Не обновлено команд: 2"));
    EXPECT_EQ(status->textFormat(), Qt::PlainText);
    EXPECT_EQ(view->height(), listHeight);
    EXPECT_EQ(failuresShown(), QStringLiteral("Не обновлены:\nГамма (сервер не ответил вовремя)\nДельта "
                                              "(команда не найдена)"));
    EXPECT_GT(form->sessionBytes(), 0);
    EXPECT_EQ((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 6), cell(0, 7)}),
              (QStringList{QStringLiteral("Альфа"), QStringLiteral("P1"), QStringLiteral("Россия"),
                           QStringLiteral("1,335"), QStringLiteral("11,50")}));

    // Filters apply as typed; a header clicked twice reverses the order.
    controlOf<QLineEdit>(form.get(), "boardSearchEdit")->setText(QStringLiteral("бет"));
    EXPECT_EQ(count->text(), QStringLiteral("Показано 2 из 5"));
    Q_EMIT view->horizontalHeader()->sectionClicked(6);
    Q_EMIT view->horizontalHeader()->sectionClicked(6);
    EXPECT_EQ((QStringList{cell(0, 6), cell(1, 6)}),
              (QStringList{QStringLiteral("2,335"), QStringLiteral("1,335")}));

    const QString csv = QDir::current().filePath(QStringLiteral("board.csv"));
    recorder.saveAnswer = csv;
    controlOf<QPushButton>(form.get(), "boardCsvButton")->click();
    const std::string today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    EXPECT_EQ(
        fileText(csv),
        "\xEF\xBB\xBF"
        "Команда;Имя;Страна;Поз;Возр;Маст;Талант;От;Оп;Др;Пм;Вн;Пс;Сл;Тч;Δ Маст;Δ Талант;Данные от;Ш×Т\r\n"
        "Бета;P2;Россия;Mf;17;2,25;2,335;11,50;12,50;13,50;14,50;15,50;16,50;17,50;18,50;;;" +
            today +
            ";\r\nБета;P1;Россия;Mf;16;1,25;1,335;11,50;12,50;13,50;14,50;15,50;16,50;17,50;18,50;;;" +
            today + ";\r\n");
    EXPECT_TRUE(recorder.boxes.empty());
    const std::string written = fileText(csv);

    // A file that cannot be written whole: a message, and the old one stays.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
    controlOf<QLineEdit>(form.get(), "boardSearchEdit")->clear();
    controlOf<QPushButton>(form.get(), "boardCsvButton")->click();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(fileText(csv), written);
}

TEST_F(BoardWindow, ARefreshedTalentPageGrowsFromTheStoredOneAndEachRowTellsItsPages)
{
    const QDateTime tenDaysAgo = QDateTime::currentDateTimeUtc().addDays(-10);
    HistoryStore store;
    ASSERT_TRUE(store.open(keepHistory()).ok);
    PageReading stored = readPage(talentPage(team(QStringLiteral("Альфа"), 2)), PageKind::Talent);
    stored.talents[0].talent -= 0.7; // P1; P3 was not there yet
    const auto abilities = readPage(abilitiesPage(teams[11]), PageKind::Abilities).abilities;
    ASSERT_TRUE(store.keep({tenDaysAgo, 11, PageKind::Talent, "<html>", {}, stored.talents, {}}).ok);
    ASSERT_TRUE(store.keep({tenDaysAgo, 11, PageKind::Abilities, "<html>", {}, {}, abilities}).ok);
    server.delayFor = [](const std::string &request) {
        return request.find("act=abilities") < request.find(" HTTP/") ? -1 : 0;
    };
    chooseDivision(0);
    refresh->click();
    ASSERT_TRUE(refreshOver());

    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QString before = tenDaysAgo.toLocalTime().toString(QStringLiteral("dd.MM.yyyy"));
    const QModelIndex date = view->model()->index(0, DateColumn);
    EXPECT_EQ(date.data().toString(), today + QStringLiteral(" *"));
    EXPECT_EQ(date.data(Qt::ToolTipRole).toString(),
              QStringLiteral("Талант: %1, способности: %2").arg(today, before));
    EXPECT_EQ(
        (QStringList{cell(0, TalentChangeColumn), cell(1, TalentChangeColumn), cell(2, TalentChangeColumn)}),
        (QStringList{QStringLiteral("+0,490"), QStringLiteral("0,000"), QString()}));
    EXPECT_EQ(view->model()->index(3, NameColumn).data(Qt::ToolTipRole),
              QStringLiteral("только на странице таланта"));
    controlOf<QCheckBox>(form.get(), "boardGrowingCheck")->setChecked(true);
    EXPECT_EQ(count->text(), QStringLiteral("Показано 1 из 5"));
}

TEST_F(BoardWindow, ARefreshBelongsToItsDivisionWhateverIsPressedMeanwhile)
{
    server.delayFor = [](const std::string &) { return 150; };
    chooseDivision(0);
    refresh->click();
    refresh->click(); // no second refresh while one runs
    chooseDivision(1);
    EXPECT_EQ(count->text(), QStringLiteral("Показано 0 из 0"));
    stop->click();
    stop->click();
    ASSERT_TRUE(refreshOver());
    EXPECT_EQ(server.requests.size(), 4u);
    EXPECT_EQ(count->text(), QStringLiteral("Показано 0 из 0")) << "nothing of «Лига А» shows under «Лига Б»";
    EXPECT_TRUE(status->text().isEmpty());

    chooseDivision(0);
    EXPECT_TRUE(waitUntil([this] { return count->text() == QStringLiteral("Показано 5 из 5"); }))
        << count->text().toStdString();
    EXPECT_EQ(status->text(), QStringLiteral("Не обновлено команд: 2"));
    EXPECT_EQ(
        failuresShown(),
        QStringLiteral("Не обновлены:\nГамма (обновление остановлено)\nДельта (обновление остановлено)"));
}

TEST_F(BoardWindow, ClosingTheWindowEndsTheRefreshAndKeepsWhatArrived)
{
    const QString historyFile = keepHistory();
    server.delayFor = [](const std::string &request) {
        return request.find("id=11") != std::string::npos ? 10 : 400;
    };
    chooseDivision(0);
    refresh->click();
    auto *progress = controlOf<QProgressBar>(form.get(), "boardProgress");
    ASSERT_TRUE(waitUntil([&] { return progress->value() == 2; }));
    form->close();
    waitUntil([] { return false; }, 600);
    // The two answered made room for two more; without the close the last two would follow by now.
    EXPECT_LE(server.connections, 6);
    EXPECT_EQ(progress->value(), 2);
    HistoryStore store;
    ASSERT_TRUE(store.open(historyFile).ok);
    EXPECT_EQ(store.fetchesOf(11).size(), 2u);
    EXPECT_TRUE(store.fetchesOf(12).empty());
}

TEST_F(BoardWindow, AHistoryAnotherProgramHoldsNeverHoldsTheWindow)
{
    const QString historyFile = keepHistory();
    server.delayFor = [](const std::string &request) {
        return request.find("id=11") != std::string::npos ? 0 : -1;
    };
    // Another program writes the history all through the refresh: each page waits its 2 s for the file.
    SqliteDatabase other(historyFile, SqliteDatabase::Mode::Create);
    other.execute("BEGIN EXCLUSIVE;");
    chooseDivision(0);
    double longestGapMs = 0;
    QElapsedTimer sinceBeat;
    QTimer pulse;
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, static_cast<double>(sinceBeat.restart()));
    });
    sinceBeat.start();
    pulse.start(10);
    refresh->click();
    ASSERT_TRUE(waitUntil([this] { return refresh->isEnabled(); }, 15000));
    pulse.stop();
    other.execute("ROLLBACK;");

    EXPECT_LT(longestGapMs, 1000) << "the waits for the file happen off the window's thread";
    EXPECT_EQ(count->text(), QStringLiteral("Показано 3 из 3")) << "what arrived shows all the same";
    ASSERT_EQ(recorder.boxes.size(), 1u) << "one message at the end, not one per page";
    EXPECT_TRUE(recorder.boxes[0].text.startsWith(QStringLiteral("Не сохранено в историю страниц: 2.")))
        << recorder.boxes[0].text.toStdString();
}

TEST(PageTextOnView, APlayersNameWithMarkupTitlesTheChartAsItIs)
{
    const QString name =
        QStringLiteral("<font size=7 color=red>Иван</font><img src=\"file:///etc/hostname\">");
    HistoryPage page;
    page.showPlayer(7, toCp1251(name), {});
    const QString title = page.findChild<QChartView *>(QStringLiteral("playerChart"))->chart()->title();
    // What the title shows, read back: the name's own characters, no font and no picture.
    EXPECT_EQ(QTextDocumentFragment::fromHtml(title).toPlainText(), name);
}

// The check marks the division on view as watched in the settings at once, and shows each division's
// own state as the choice moves.
TEST_F(BoardWindow, TheWatchCheckKeepsTheDivisionInTheSettingsAtOnce)
{
    const TempSettingsDir settingsDir;
    keepHistory();
    auto *watch = controlOf<QCheckBox>(form.get(), "watchDivisionCheck");
    EXPECT_FALSE(watch->isEnabled()) << "no division chosen";
    chooseDivision(1);
    watch->click();
    chooseDivision(0);
    EXPECT_FALSE(watch->isChecked());
    watch->click();
    EXPECT_EQ(loadWatchOptions(SettingsStore()).divisionIds, (std::vector<int32_t>{2, 1}));
    chooseDivision(1);
    EXPECT_TRUE(watch->isChecked());
    watch->click();
    EXPECT_EQ(loadWatchOptions(SettingsStore()).divisionIds, (std::vector<int32_t>{1}));
}

// At start a watched division whose pages are older than the interval is offered, one fresh enough is
// not; nothing is fetched until the offer's button chooses the division and refreshes it.
TEST_F(BoardWindow, ADueWatchedDivisionIsOfferedAndItsButtonRefreshesIt)
{
    const TempSettingsDir settingsDir;
    settingsDir.writeIni("[Watch]\nDivisions=\"2,1\"\nIntervalDays=7\nPages=talent\n");
    const QString file = keepHistory();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(file).ok);
        const std::pair<int32_t, int> ages[] = {{11, 9}, {12, 2}, {13, 2}, {14, 3}, {21, 1}}; // team, days
        for (const auto &[teamId, days] : ages) {
            const std::string page = talentPage(team(QStringLiteral("Команда %1").arg(teamId)));
            const auto record = fetchRecordOf(now.addDays(-days).addSecs(-60), teamId, PageKind::Talent, page,
                                              readPage(page, PageKind::Talent));
            ASSERT_TRUE(record && store.keep(*record).ok);
        }
    }
    ui->PageControl2->setCurrentIndex(0);
    form->offerDueRefreshes();
    auto *bar = controlOf<QWidget>(form.get(), "watchOfferBar");
    ASSERT_TRUE(waitUntil([&] { return !bar->isHidden(); }));
    EXPECT_EQ(controlOf<QLabel>(bar, "watchOfferLabel")->text(),
              QStringLiteral("Дивизион «Лига А» не обновлялся 9 дн."));
    EXPECT_TRUE(server.requests.empty()) << "never on its own";

    controlOf<QPushButton>(bar, "refreshWatchedButton")->click();
    EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("Лига А"));
    EXPECT_EQ(ui->PageControl2->currentWidget(), controlOf<QWidget>(form.get(), "boardSheet"));
    EXPECT_TRUE(bar->isHidden());
    ASSERT_TRUE(refreshOver());
    EXPECT_EQ(server.requests.size(), 8u);
}
