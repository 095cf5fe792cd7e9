#include "history/history_store.h"
#include "support/window_fixture.h"

#include <QPushButton>
#include <QTabWidget>

using GetData = WindowFixture;

TEST_F(GetData, OneTeamShownWithFormattedNumbersAndCounters)
{
    FixtureTeam t = team(QStringLiteral("Динамо"), 0);
    t.squad.push_back(fixturePlayer(QStringLiteral("Петров"), QStringLiteral("Gk"), QStringLiteral("17"),
                                    QStringLiteral("35.5"), QStringLiteral("4.25"),
                                    QStringLiteral("Россия")));
    t.squad.push_back(fixturePlayer(QStringLiteral("Smith"), QStringLiteral("DMf"), QStringLiteral("16"),
                                    QStringLiteral("5,125"), QStringLiteral("1.335"),
                                    QStringLiteral("England")));
    offer(10, t);
    fetch(10);

    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Динамо"));
    EXPECT_EQ(controlOf<QLabel>(form.get(), "DivVal")->text(), QStringLiteral("Высшая лига"));
    EXPECT_EQ(ui->PlayersVal->text(), QStringLiteral("25"));
    const auto rows = rowsOf(ui->ListView1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("Петров"), QStringLiteral("Россия"), QStringLiteral("Gk"),
                                    QStringLiteral("17"), QStringLiteral("35,50"), QStringLiteral("4,250")}));
    EXPECT_EQ(rows[1][2], QStringLiteral("DM"));
    EXPECT_EQ(rows[1][4], QStringLiteral("5,13"));
    const QString size = QString::number(talentPage(t).size());
    EXPECT_EQ(ui->Label1->text(), size);
    EXPECT_EQ(ui->Label4->text(), size);
    fetch(10); // the session counter adds up whatever its label shows
    ui->Label4->setText(QStringLiteral("garbage"));
    fetch(10);
    EXPECT_EQ(ui->Label4->text(), QString::number(3 * size.toLongLong()));
    EXPECT_TRUE(ui->Button1->isEnabled());
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0);
}

TEST_F(GetData, TalentThenAbilitiesMakeOneSnapshotWithBothLists)
{
    offer(1, team(QStringLiteral("Заря"), 4));
    ui->PageControl1->setCurrentIndex(0);
    fetch(1);
    fetch(1, true);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0); // a fetch never switches the tab
    ASSERT_EQ(form->snapshots().count(), 1);
    const TeamSnapshot &snapshot = form->snapshots().at(0);
    EXPECT_EQ(snapshot.talents.size(), 4u);
    EXPECT_EQ(snapshot.abilities.size(), 4u);
    EXPECT_EQ(rowsIn(ui->ListView1), 4);
    EXPECT_EQ(rowsIn(ui->ListView2), 4);
    EXPECT_EQ(rowsOf(ui->ListView2)[0][4], QStringLiteral("11,50"));
    EXPECT_FALSE(ui->UpDown1->isEnabled());
}

TEST_F(GetData, SamePageKindTwiceChangesNothing)
{
    offer(1, team(QStringLiteral("Заря"), 2));
    fetch(1);
    teams[1].squad.push_back(fixturePlayer(QStringLiteral("Late"), QStringLiteral("Df"), QStringLiteral("15"),
                                           QStringLiteral("1.00"), QStringLiteral("1.000")));
    fetch(1);
    EXPECT_EQ(form->snapshots().count(), 1);
    EXPECT_EQ(form->snapshots().at(0).talents.size(), 2u);
    EXPECT_EQ(rowsIn(ui->ListView1), 2);
}

TEST_F(GetData, SecondTeamEnablesBrowsingWithoutMovingThePosition)
{
    offer(1, team(QStringLiteral("Альфа")));
    offer(2, team(QStringLiteral("Бета")));
    fetch(1);
    EXPECT_FALSE(ui->UpDown1->isEnabled());
    EXPECT_EQ(ui->UpDown1->maximum(), 0);
    fetch(2);
    EXPECT_TRUE(ui->UpDown1->isEnabled());
    EXPECT_EQ(ui->UpDown1->maximum(), 1);
    EXPECT_EQ(ui->UpDown1->position(), 0);
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Бета"));
}

TEST_F(GetData, BrowsingShowsThePositionBeforeTheMove)
{
    offer(1, team(QStringLiteral("Альфа")));
    offer(2, team(QStringLiteral("Бета")));
    offer(3, team(QStringLiteral("Гамма")));
    fetch(1);
    fetch(2);
    fetch(3);
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        ui->UpDown1->rightArrow()->click();
        shown << ui->TeamVal->text();
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Альфа"), QStringLiteral("Бета"), QStringLiteral("Гамма"),
                                  QStringLiteral("Альфа")}));
    EXPECT_EQ(ui->UpDown1->position(), 1);
    ui->UpDown1->leftArrow()->click(); // turning round shows where the last click arrived
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Бета"));
    EXPECT_EQ(ui->UpDown1->position(), 0);
    ui->UpDown1->leftArrow()->click(); // and wraps below the minimum
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа"));
    EXPECT_EQ(ui->UpDown1->position(), 2);
}

TEST_F(GetData, FailedRequestLeavesViewAndHistoryAlone)
{
    rawReplies[5] = "HTTP/1.1 302 Found\r\nLocation: http://a.example/x/y\r\n\r\n";
    teams[5] = team(QStringLiteral("Nobody"));
    ui->ComboBox2->addItem(QStringLiteral("Nobody"), 5);
    fetch(5);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral(":/"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Произошла ошибка"));
    EXPECT_EQ(form->snapshots().count(), 0); // no empty snapshot before the first page
    EXPECT_EQ(ui->TeamVal->text(), QString());
    EXPECT_EQ(ui->Label1->text(), QStringLiteral("0"));
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("38")); // 18 + 20 added
    EXPECT_TRUE(ui->Button1->isEnabled());

    offer(6, team(QStringLiteral("Real")));
    fetch(6);
    fetch(5); // fails again: the page of team 6 stays on view and is not read twice
    EXPECT_EQ(form->snapshots().count(), 1);
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Real"));
}

TEST_F(GetData, RefusedConnectionAddsNothingToTheTotal)
{
    offer(1, team(QStringLiteral("Альфа")));
    quint16 closedPort;
    {
        LoopbackServer closed;
        closedPort = closed.port();
    }
    qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(closedPort));
    fetch(1);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(ui->Label1->text(), QStringLiteral("0"));
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("0"));
}

TEST_F(GetData, SiteFailurePagesShowTheirBoxesOnly)
{
    offer(1, team(QStringLiteral("Альфа")));
    fetch(1);
    rawReplies[2] =
        httpOk(toCp1251(QStringLiteral("На сайте проводится обновление данных. Команда не найдена")));
    rawReplies[3] = httpOk(toCp1251(QStringLiteral("<b>На сайте проводится обновление данных</b>")));
    ui->ComboBox2->addItem(QStringLiteral("x"), 2);
    ui->ComboBox2->addItem(QStringLiteral("y"), 3);
    fetch(2);
    fetch(3);
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Команда не найдена"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Неправильно указан ИД."));
    EXPECT_EQ(recorder.boxes[1].caption, QStringLiteral("Ахтунг"));
    EXPECT_EQ(recorder.boxes[1].text, QStringLiteral("На сайте проводится обновление данных."));
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа"));
    EXPECT_EQ(form->snapshots().count(), 1);
}

TEST_F(GetData, ConversionFailureKeepsRowsOnScreenButNotInTheSnapshot)
{
    FixtureTeam t = team(QStringLiteral("Сбой"), 4);
    t.squad[2].age = QStringLiteral("1x");
    offer(1, t);
    fetch(1);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("'1x' is not a valid integer value."));
    EXPECT_EQ(rowsIn(ui->ListView1), 3); // the failing row with its raw cells
    EXPECT_EQ(rowsOf(ui->ListView1)[2][3], QStringLiteral("1x"));
    ASSERT_EQ(form->snapshots().count(), 1);
    EXPECT_EQ(form->snapshots().at(0).talents.size(), 0u);
    EXPECT_TRUE(ui->Button1->isEnabled());

    teams[1].squad[2].age = QStringLiteral("17"); // the site mends its page: a later fetch fills the list
    fetch(1);
    EXPECT_EQ(form->snapshots().at(0).talents.size(), 4u);
    EXPECT_EQ(rowsIn(ui->ListView1), 4);
}

TEST_F(GetData, PageWithoutRowsShowsItsOwnEmptyTeam)
{
    offer(1, team(QStringLiteral("Альфа")));
    offer(2, team(QStringLiteral("Пусто"), 0));
    fetch(1);
    fetch(2);
    EXPECT_EQ(form->snapshots().count(), 2);
    EXPECT_TRUE(ui->UpDown1->isEnabled());
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Пусто"));
    EXPECT_EQ(rowsIn(ui->ListView1), 0); // no other team's players under this name
}

TEST_F(GetData, NoTeamChosenSendsNothing)
{
    ui->Button1->click();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Не выбрана команда."));
    EXPECT_EQ(server.connections, 0);
    EXPECT_TRUE(ui->Button1->isEnabled());

    ui->ComboBox2->addItem(QStringLiteral("Альфа"), 1);
    ui->ComboBox2->setCurrentIndex(-1); // a division chosen, no team yet
    ui->Button1->click();
    EXPECT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(server.connections, 0);
}

// Servers that misbehave: each fetch shows the failure box, keeps the team on view and lets the
// program go on.
TEST_F(GetData, MisbehavingServersLoseNothing)
{
    offer(1, team(QStringLiteral("Альфа")));
    fetch(1);
    struct Case {
        const char *what;
        std::function<void(LoopbackServer &)> setUp;
        QString message;
    };
    const QString timedOut = QStringLiteral("Произошла ошибка: сервер не ответил за отведённое время.");
    const Case cases[] = {
        {"never answers", [](LoopbackServer &s) { s.answer = false; }, timedOut},
        {"trickles",
         [](LoopbackServer &s) {
             s.reply = "HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\n" + std::string(40, 'x');
             s.trickleIntervalMs = 1500;
         },
         timedOut},
        {"proxy wants credentials",
         [](LoopbackServer &s) {
             s.reply = "HTTP/1.0 407 Proxy Authentication Required\r\nContent-Length: 0\r\n\r\n";
         },
         QStringLiteral("Произошла ошибка")},
        {"resets mid-body",
         [](LoopbackServer &s) {
             s.reply =
                 "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2710\r\n" + std::string(500, 'y');
             s.ending = LoopbackServer::Ending::Reset;
         },
         QStringLiteral("Произошла ошибка: страница пришла не полностью.")},
    };
    for (const Case &c : cases) {
        LoopbackServer bad;
        c.setUp(bad);
        qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(bad.port()));
        recorder.boxes.clear();
        fetch(1);
        ASSERT_EQ(recorder.boxes.size(), 1u) << c.what;
        EXPECT_EQ(recorder.boxes[0].text, c.message) << c.what;
        EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа")) << c.what;
        EXPECT_EQ(rowsIn(ui->ListView1), 3) << c.what;
        EXPECT_TRUE(ui->Button1->isEnabled()) << c.what;
    }
}

TEST_F(GetData, BodyOverTheLimitIsRefused)
{
    offer(1, team(QStringLiteral("Альфа")));
    rawReplies[1] = "HTTP/1.0 200 OK\r\nContent-Length: 40000000\r\n\r\nabc";
    fetch(1);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Произошла ошибка"));
    EXPECT_EQ(form->snapshots().count(), 0);
}

// Stored pages that are no roster to show: «Показать» tells why, as a fresh fetch of them would, and
// a page without a team name leaves the History page and the team on view as they are.
TEST_F(GetData, ShowingAStoredPageThatCannotBeReadSaysWhy)
{
    offer(1, team(QStringLiteral("Альфа")));
    fetch(1);
    FixtureTeam broken = team(QStringLiteral("Сбой"), 4);
    broken.squad[2].age = QStringLiteral("1x");
    const QString file = QDir::current().filePath(QStringLiteral("history.db"));
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(file).ok);
        TeamSummary summary;
        summary.name = toCp1251(QStringLiteral("Бета"));
        const QDateTime at = QDateTime::currentDateTimeUtc().addDays(-1);
        ASSERT_TRUE(store.keep({at, 2, PageKind::Talent, "<html>hello</html>", summary, {}, {}}).ok);
        ASSERT_TRUE(
            store.keep({at.addSecs(60), 2, PageKind::Talent, talentPage(broken), summary, {}, {}}).ok);
    }
    form->openHistory(file);
    auto *tabs = controlOf<QTabWidget>(form.get(), "PageControl2");
    tabs->setCurrentIndex(2);
    auto *fetches = controlOf<QTreeView>(form.get(), "historyFetches");
    chooseRow(controlOf<QTreeView>(form.get(), "historyTeams"), 0);
    ASSERT_EQ(rowsIn(fetches), 2);

    addToChoice(fetches, 1); // the older fetch: a page with no team name
    controlOf<QPushButton>(form.get(), "historyShowButton")->click();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Страница не распознана: в ней нет названия команды."));
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа"));

    recorder.boxes.clear();
    fetches->clearSelection();
    addToChoice(fetches, 0);
    controlOf<QPushButton>(form.get(), "historyShowButton")->click();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("'1x' is not a valid integer value."));
}
