#include "export/division_file_name.h"
#include "support/window_fixture.h"
#include "view/roster_lists.h"

#include "support/csv_reader.h"

#include <QFileInfo>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHeaderView>
#include <QShortcut>

#include <QFile>
#include <QKeyEvent>
#include <QMenu>

namespace {

std::string fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The team names of the blocks in an export file, in file order.
QStringList blockTeams(const std::string &bytes)
{
    QStringList names;
    const QStringList lines = fromCp1251(bytes).split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == QStringLiteral(" ") && (i == 0 || lines[i - 1].startsWith(QLatin1Char('*'))))
            names << lines[i + 1].section(QLatin1Char(' '), 0, 0);
    return names;
}

} // namespace

class Commands : public WindowFixture {
protected:
    // A division of `count` teams offered in alphabetical order, as the team selector holds them.
    QStringList offerDivision(int count)
    {
        ui->ComboBox1->addItem(QStringLiteral("Высшая лига"), 1);
        ui->ComboBox1->setCurrentIndex(0);
        QStringList names;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("Команда%1").arg(QChar(u'А' + i));
            offer(100 + i, team(name, 2 + i % 3));
            names << name;
        }
        ui->Cdivision->setChecked(true);
        return names;
    }

    QString divisionFile() const
    {
        return divisionFileName(QDate::currentDate(), QLocale::system(), QStringLiteral("Высшая лига"));
    }
};

TEST_F(Commands, WholeDivisionWritesOneFileOfSixteenBlocks)
{
    const QStringList names = offerDivision(16);
    ui->PageControl1->setCurrentIndex(1);
    ui->Button1->click();
    waitForFetch();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(server.requests.size(), 16u);
    EXPECT_EQ(blockTeams(fileBytes(divisionFile())), names);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0); // switched to the talent list for the run
    EXPECT_FALSE(ui->ProgressBar1->isVisible());
    EXPECT_EQ(ui->ProgressBar1->value(), 16);

    const std::string firstRun = fileBytes(divisionFile());
    ui->Button1->click(); // a second run the same day appends, each team with its own players again
    waitForFetch();
    EXPECT_EQ(fileBytes(divisionFile()), firstRun + firstRun);
}

TEST_F(Commands, DivisionOfTwelveEndsNormally)
{
    const QStringList names = offerDivision(12);
    ui->RadioSkill->setChecked(true);
    ui->Button1->click();
    waitForFetch();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(blockTeams(fileBytes(divisionFile())), names);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 1);
    EXPECT_EQ(ui->ProgressBar1->maximum(), 12);
}

TEST_F(Commands, FailedTeamInTheMiddleIsSkipped)
{
    QStringList names = offerDivision(5);
    rawReplies[102] = "HTTP/1.0 500 Internal Server Error\r\n\r\n";
    ui->Button1->click();
    waitForFetch();
    // No box for the failing team on its own: the run ends by naming the team it left out and why, and
    // the file it wrote.
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text,
              QStringLiteral("Не сохранены команды (1):\n") + names[2] +
                  QStringLiteral(": страница не получена\n\nФайл: ") +
                  QDir::toNativeSeparators(QFileInfo(divisionFile()).absoluteFilePath()));
    names.removeAt(2);
    EXPECT_EQ(blockTeams(fileBytes(divisionFile())), names);
}

TEST_F(Commands, DivisionWithoutTeamsFetchesNothing)
{
    ui->Cdivision->setChecked(true);
    ui->Button1->click();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Не выбрана команда."));
    EXPECT_EQ(server.connections, 0);
    EXPECT_FALSE(ui->ProgressBar1->isVisible());
}

TEST_F(Commands, DivisionFileNameIsAlwaysAPlainName)
{
    const QDate day(2026, 12, 7);
    EXPECT_EQ(
        divisionFileName(day, QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("Высшая лига")),
        QStringLiteral("07.12.2026_Высшая лига.txt"));
    const QString american = divisionFileName(day, QLocale(QLocale::English, QLocale::UnitedStates),
                                              QStringLiteral("A/B: \"C\" <D>|E*?\\\t"));
    EXPECT_EQ(american, QStringLiteral("12-7-26_A-B- -C- -D--E----.txt"));
}

TEST_F(Commands, SaveAppendsTheShownTeamToTheChosenFile)
{
    offer(1, team(QStringLiteral("Альфа"), 3));
    ui->N2->trigger();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral(":\\"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Сохранять нечего :("));
    EXPECT_TRUE(recorder.saveDialogs.empty());

    fetch(1);
    QTemporaryDir elsewhere;
    recorder.saveAnswer = elsewhere.filePath(QStringLiteral("team.txt"));
    ui->N2->trigger();
    ui->N2->trigger();
    ASSERT_EQ(recorder.saveDialogs.size(), 2u);
    EXPECT_EQ(recorder.saveDialogs[0].defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(recorder.saveDialogs[1].directory,
              elsewhere.path()); // the chosen folder is now the working one
    EXPECT_EQ(blockTeams(fileBytes(recorder.saveAnswer)),
              (QStringList{QStringLiteral("Альфа"), QStringLiteral("Альфа")}));

    ui->PageControl1->setCurrentIndex(1); // abilities tab with an empty list
    ui->N2->trigger();
    EXPECT_EQ(recorder.boxes.back().text, QStringLiteral("Сохранять нечего :("));

    recorder.saveAnswer.clear(); // cancelled dialog
    ui->PageControl1->setCurrentIndex(0);
    ui->N2->trigger();
    EXPECT_EQ(blockTeams(fileBytes(elsewhere.filePath(QStringLiteral("team.txt")))).size(), 2);
}

TEST_F(Commands, SaveIntoAMissingFolderReportsTheSystemsError)
{
    offer(1, team(QStringLiteral("Альфа"), 3));
    fetch(1);
    QTemporaryDir dir;
    recorder.saveAnswer = dir.filePath(QStringLiteral("gone/team.txt"));
    ui->N2->trigger();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
    EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("gone/team.txt")))
        << recorder.boxes[0].text.toStdString();
}

TEST_F(Commands, SortingReordersRowsAndTheExportFollows)
{
    FixtureTeam t = team(QStringLiteral("Альфа"), 0);
    for (const auto &[name, age] :
         {std::pair{"Carl", "16"}, std::pair{"anna", "9"}, std::pair{"Борис", "17"}})
        t.squad.push_back(fixturePlayer(QString::fromUtf8(name), QStringLiteral("Mf"),
                                        QString::fromLatin1(age), QStringLiteral("1.00"),
                                        QStringLiteral("2.000")));
    offer(1, t);
    fetch(1);
    const auto names = [this] {
        QStringList n;
        for (const auto &row : rowsOf(ui->ListView1))
            n << row[0];
        return n;
    };
    QHeaderView *header = ui->ListView1->header();
    Q_EMIT header->sectionClicked(3); // age, first click: ascending, by number
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("anna"), QStringLiteral("Carl"), QStringLiteral("Борис")}));
    chooseRow(ui->ListView1, 0);      // anna
    Q_EMIT header->sectionClicked(0); // name, the shared flag now says descending
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("Борис"), QStringLiteral("Carl"), QStringLiteral("anna")}));
    EXPECT_EQ(currentChosenRow(ui->ListView1), 2) << "the chosen player stays chosen where the sort put him";

    recorder.saveAnswer = QDir::current().filePath(QStringLiteral("sorted.txt"));
    ui->N2->trigger();
    EXPECT_EQ(blockTeams(fileBytes(recorder.saveAnswer)), QStringList{QStringLiteral("Альфа")});
    const QString text = fromCp1251(fileBytes(recorder.saveAnswer));
    EXPECT_LT(text.indexOf(QStringLiteral("Борис")), text.indexOf(QStringLiteral("anna")));

    Q_EMIT ui->ListView2->header()->sectionClicked(0); // the other list flips the same flag...
    Q_EMIT header->sectionClicked(0);                  // ...so this click sorts descending again
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("Борис"), QStringLiteral("Carl"), QStringLiteral("anna")}));
}

TEST_F(Commands, PopupOffersTheProjectionOnlyForASelectedRow)
{
    offer(1, team(QStringLiteral("Альфа"), 2));
    fetch(1);
    Q_EMIT ui->ListView1->customContextMenuRequested(QPoint(5, 5));
    EXPECT_FALSE(ui->alant1->isEnabled());
    ui->PopupMenu1->hide();
    chooseRow(ui->ListView1, 1);
    Q_EMIT ui->ListView1->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(ui->alant1->isEnabled());
    ui->PopupMenu1->hide();
}

TEST_F(Commands, ProjectionFillsTheCalculationPage)
{
    FixtureTeam t = team(QStringLiteral("Альфа"), 0);
    t.squad.push_back(fixturePlayer(QStringLiteral("Юниор"), QStringLiteral("Mf"), QStringLiteral("16"),
                                    QStringLiteral("40.00"), QStringLiteral("5.000")));
    offer(1, t);
    fetch(1);
    chooseRow(ui->ListView1, 0);
    ui->alant1->setEnabled(true);
    ui->alant1->trigger();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(ui->Label13->text(), QStringLiteral("Альфа"));
    EXPECT_EQ(ui->Label14->text(), QStringLiteral("Юниор"));
    EXPECT_EQ(ui->Label15->text(), QStringLiteral("Мастерство: 40,00"));
    EXPECT_EQ(ui->Label16->text(), QStringLiteral("Талант: 5,000"));
    const auto rows = rowsOf(ui->ListView3);
    ASSERT_EQ(rows.size(), 136u);
    EXPECT_EQ(rows[6], (QStringList{QStringLiteral("7"), QStringLiteral("0,058"), QStringLiteral("5,435"),
                                    QStringLiteral("5,43")}));
    EXPECT_EQ(rows[135], (QStringList{QStringLiteral("136"), QStringLiteral("0,016"), QStringLiteral("9,01"),
                                      QStringLiteral("9,01")}));
    EXPECT_EQ(ui->PageControl2->currentIndex(), 0); // the user switches to the page

    ui->LabeledEdit1->setText(QString()); // an emptied level
    ui->alant1->trigger();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("'' is not a valid integer value."));
    ASSERT_EQ(rowsIn(ui->ListView3), 1);
    EXPECT_EQ(cellOf(ui->ListView3, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(cellOf(ui->ListView3, 0, 1), QString());
}

TEST_F(Commands, LevelEditsTakeOnlyOneTwoOrThree)
{
    QLineEdit *level = ui->LabeledEdit2;
    level->clear();
    for (const QString &typed :
         {QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("a"), QStringLiteral("2")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(level, &press);
    }
    EXPECT_EQ(level->text(), QStringLiteral("2"));
    level->clear();
    level->insert(QStringLiteral("7")); // pasted text meets the same rule
    EXPECT_EQ(level->text(), QString());
}

// Two teams may share a name; each keeps its own players in the view and in the division file.
TEST_F(Commands, SameNameTeamsStayTwoTeams)
{
    ui->ComboBox1->addItem(QStringLiteral("Высшая лига"), 1);
    ui->ComboBox1->setCurrentIndex(0);
    FixtureTeam first = team(QStringLiteral("Динамо"), 2);
    FixtureTeam second = team(QStringLiteral("Динамо"), 3);
    second.squad[0].name = QStringLiteral("Другой");
    offer(1, first);
    offer(2, second);
    ui->Cdivision->setChecked(true);
    ui->Button1->click();
    waitForFetch();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(form->snapshots().count(), 2);
    const QString file = fromCp1251(fileBytes(divisionFile()));
    EXPECT_EQ(file.count(QStringLiteral("P1")), 1);
    EXPECT_EQ(file.count(QStringLiteral("Другой")), 1);
    EXPECT_EQ(file.count(QStringLiteral("P3")), 1);
}

// One unreadable cell leaves its team out; the rest of the division is still fetched and saved.
TEST_F(Commands, DivisionRunGoesOnPastABadCell)
{
    QStringList names = offerDivision(4);
    teams[101].squad[1].age = QStringLiteral("1x");
    ui->Button1->click();
    waitForFetch();
    EXPECT_EQ(server.requests.size(), 4u);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text,
              QStringLiteral("Не сохранены команды (1):\n") + names[1] +
                  QStringLiteral(": ошибка в данных: '1x' is not a valid integer value\n\nФайл: ") +
                  QDir::toNativeSeparators(QFileInfo(divisionFile()).absoluteFilePath()));
    names.removeAt(1);
    EXPECT_EQ(blockTeams(fileBytes(divisionFile())), names);
}

// A reply that is no roster page (an empty 200, a page of another site) is not a team.
TEST_F(Commands, ForeignPageIsNotATeam)
{
    offer(1, team(QStringLiteral("Альфа")));
    offer(2, team(QStringLiteral("Бета")));
    fetch(1);
    rawReplies[2] = "HTTP/1.0 200 OK\r\n\r\n<html><body>Welcome</body></html>";
    fetch(2);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Страница не распознана: в ней нет названия команды."));
    EXPECT_EQ(form->snapshots().count(), 1);
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа"));
    EXPECT_EQ(rowsIn(ui->ListView1), 3);
}

// Texts cut from a page are shown as they are, never as markup.
TEST_F(Commands, PageTextsAreShownVerbatim)
{
    FixtureTeam t = team(QStringLiteral("<i>Альфа</i>"), 1);
    t.manager = QStringLiteral("<b>Ivanov</b>");
    offer(1, t);
    fetch(1);
    QLabel *manager = controlOf<QLabel>(form.get(), "Manval");
    EXPECT_EQ(manager->text(), QStringLiteral("<b>Ivanov</b>"));
    EXPECT_EQ(manager->textFormat(), Qt::PlainText);
    chooseRow(ui->ListView1, 0);
    ui->alant1->setEnabled(true);
    ui->alant1->trigger();
    EXPECT_EQ(ui->Label13->text(), QStringLiteral("<i>Альфа</i>"));
    EXPECT_EQ(ui->Label13->textFormat(), Qt::PlainText);
}

// The list on view goes to a CSV file, a forum post and the clipboard with the cells as shown.
TEST_F(Commands, ListOnViewExportsForOtherPrograms)
{
    FixtureTeam t = team(QStringLiteral("Альфа; \"Б\""), 2);
    t.squad[0].name = QStringLiteral("a[/td]b");
    offer(1, t);
    fetch(1);
    recorder.saveAnswer = QDir::current().filePath(QStringLiteral("team.csv"));
    controlOf<QAction>(form.get(), "exportCsvAction")->trigger();
    const std::string csv = fileBytes(recorder.saveAnswer);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    const auto table = readDelimited(csv.substr(3), ';', "\r\n");
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 3u);
    EXPECT_EQ((*table)[0][0], "Команда");
    EXPECT_EQ((*table)[1][0], "Альфа; \"Б\"");
    EXPECT_EQ((*table)[1][1], "Высшая лига");
    EXPECT_EQ((*table)[1][2], "a[/td]b");
    EXPECT_EQ((*table)[1][6], "1,25"); // mastery as the list shows it

    controlOf<QAction>(form.get(), "copyForumAction")->trigger();
    const QString post = QApplication::clipboard()->text();
    EXPECT_TRUE(post.startsWith(QStringLiteral("[b]Альфа; \"Б\"[/b]\n[table]"))) << post.toStdString();
    EXPECT_EQ(post.count(QStringLiteral("[tr]")), 3);

    // Every chosen row goes, in the order shown, whichever was chosen first.
    addToChoice(ui->ListView1, 1);
    addToChoice(ui->ListView1, 0);
    Q_EMIT ui->ListView1->findChild<QShortcut *>()->activated();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Имя\tСтрана\tПоз\tВозр\tМаст\tТалант\na[/td]b\tРоссия\tMf\t16\t1,25\t1,335\n"
                             "P2\tРоссия\tMf\t17\t2,25\t2,335\n"));

    ui->PageControl1->setCurrentIndex(1); // nothing on the abilities tab
    recorder.boxes.clear();
    controlOf<QAction>(form.get(), "copyForumAction")->trigger();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Сохранять нечего :("));
}

// Four teams at once, yet the file is the one a team-by-team run writes: the same blocks in catalogue
// order, with a team that fails left out and a slow one in its place.
TEST_F(Commands, DivisionRunInParallelWritesWhatOneByOneWrites)
{
    const QStringList names = offerDivision(7);
    rawReplies[102] = "HTTP/1.0 500 Internal Server Error\r\n\r\n";
    server.delayFor = [](const std::string &request) {
        return request.find("?id=101") != std::string::npos ? 300 : 0;
    };
    ui->Button1->click();
    EXPECT_FALSE(ui->Button1->isEnabled());
    EXPECT_TRUE(form->findChild<QPushButton *>(QStringLiteral("stopFetchButton"))->isVisibleTo(form.get()));
    ui->Button1->click(); // off while the run goes: starts nothing, now or later
    waitForFetch();
    EXPECT_EQ(server.requests.size(), 7u);

    const QString oneByOne = QDir::current().filePath(QStringLiteral("one-by-one.txt"));
    ui->Cdivision->setChecked(false);
    for (int id = 100; id < 107; ++id) {
        fetch(id);
        if (id != 102)
            form->saveTeamOnView(oneByOne);
    }
    ASSERT_FALSE(fileBytes(oneByOne).empty());
    EXPECT_EQ(fileBytes(divisionFile()), fileBytes(oneByOne));
}

// «Стоп» ends a run between blocks: the file holds whole blocks of the first teams only, and the run
// says it was stopped.
TEST_F(Commands, StoppedRunLeavesWholeBlocksOfTheFirstTeams)
{
    const QStringList names = offerDivision(5);
    server.delayFor = [](const std::string &request) {
        return request.find("?id=102") != std::string::npos ? -1 : 0;
    };
    ui->Button1->click();
    ASSERT_TRUE(runUntil(
        [&] { return server.requests.size() == 5u && blockTeams(fileBytes(divisionFile())).size() == 2; }));
    auto *stop = form->findChild<QPushButton *>(QStringLiteral("stopFetchButton"));
    ASSERT_TRUE(stop->isVisibleTo(form.get()));
    stop->click();
    EXPECT_FALSE(form->isFetching());
    EXPECT_FALSE(stop->isVisibleTo(form.get()));
    EXPECT_TRUE(ui->Button1->isEnabled());
    EXPECT_EQ(blockTeams(fileBytes(divisionFile())), names.mid(0, 2));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(
        recorder.boxes[0].text.startsWith(QStringLiteral("Получение остановлено: записано команд 2 из 5.")))
        << recorder.boxes[0].text.toStdString();
}

// A single fetch leaves the window to the user; Esc abandons it with nothing shown, and closing the
// window while one waits keeps nothing.
TEST_F(Commands, AbandonedFetchShowsAndKeepsNothing)
{
    offer(1, team(QStringLiteral("Альфа")));
    server.delayFor = [](const std::string &) { return -1; };
    ui->Button1->click();
    ASSERT_TRUE(runUntil([&] { return server.requests.size() == 1u; }));
    ASSERT_TRUE(form->isFetching());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &escape);
    EXPECT_FALSE(form->isFetching());
    EXPECT_TRUE(ui->Button1->isEnabled());
    ui->Button1->click();
    ASSERT_TRUE(runUntil([&] { return server.requests.size() == 2u; }));
    form->close();
    form.reset();
    ui.reset();
    EXPECT_TRUE(recorder.boxes.empty());
}
