#pragma once

#include "app/main_window.h"
#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "support/loopback_server.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/roster_pages.h"
#include "support/run_until.h"
#include "support/working_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// The real main window, offscreen, in a fresh working folder, talking to a loopback roster server
// that answers each team identifier with its own page.
class WindowFixture : public ::testing::Test {
protected:
    // The history file of the working folder, and a talent page kept in it as a fetch would keep it.
    QString historyFile() const { return QDir::current().filePath(QStringLiteral("history.db")); }

    void keepTalentPage(int32_t teamId, const FixtureTeam &t, const QDateTime &fetchedAt) const
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(historyFile()).ok);
        const std::string page = talentPage(t);
        const auto record =
            fetchRecordOf(fetchedAt, teamId, PageKind::Talent, page, readPage(page, PageKind::Talent));
        ASSERT_TRUE(record && store.keep(*record).ok);
    }

    void SetUp() override
    {
        m_folder = std::make_unique<WorkingFolder>();
        server.replyFor = [this](const std::string &request) { return replyTo(request); };
        qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(server.port()));
        form = std::make_unique<MainWindow>();
        ui = std::make_unique<MainControls>(form.get());
        form->setExchangeTimeouts({1000, 1000, 200, 200, 500});
        recorder.boxes.clear(); // the empty folder has no catalogue; that box is not under test here
    }

    void TearDown() override
    {
        ui.reset();
        form.reset();
        qunsetenv("BRINDLEMARK_SERVER");
        m_folder.reset();
    }

    std::string replyTo(const std::string &request)
    {
        const size_t at = request.find("?id=");
        const int id = std::atoi(request.c_str() + at + 4);
        const bool abilities = request.find("&act=abilities") < request.find(" HTTP/");
        const auto special = rawReplies.find(id);
        if (special != rawReplies.end())
            return special->second;
        const auto team = teams.find(id);
        if (team == teams.end())
            return httpOk(toCp1251(QStringLiteral("<p>Команда не найдена</p>")));
        return httpOk(abilities ? abilitiesPage(team->second) : talentPage(team->second));
    }

    // A team with `count` players whose names run P1, P2, ...
    static FixtureTeam team(const QString &name, int count = 3)
    {
        FixtureTeam t;
        t.name = name;
        for (int i = 1; i <= count; ++i)
            t.squad.push_back(fixturePlayer(QStringLiteral("P%1").arg(i), QStringLiteral("Mf"),
                                            QString::number(15 + i % 5), QStringLiteral("%1.25").arg(i),
                                            QStringLiteral("%1.335").arg(i % 9)));
        return t;
    }

    // Adds a team to the server and to the team selector, and chooses it.
    void offer(int id, const FixtureTeam &t)
    {
        teams[id] = t;
        ui->ComboBox2->addItem(t.name, id);
        ui->ComboBox2->setCurrentIndex(ui->ComboBox2->count() - 1);
    }

    void fetch(int id, bool abilities = false)
    {
        const int index = ui->ComboBox2->findData(id);
        ASSERT_GE(index, 0);
        ui->ComboBox2->setCurrentIndex(index);
        (abilities ? ui->RadioSkill : ui->RadioTal)->setChecked(true);
        ui->Button1->click();
        waitForFetch();
    }

    // A fetch or a division run runs in the event loop; the test lets it come to its end.
    void waitForFetch()
    {
        ASSERT_TRUE(runUntil([this] { return !form->isFetching(); }));
    }

    static std::vector<QStringList> rowsOf(QTreeView *list)
    {
        std::vector<QStringList> rows;
        for (int i = 0; i < rowsIn(list); ++i) {
            QStringList cells;
            for (int c = 0; c < list->model()->columnCount(); ++c)
                cells << cellOf(list, i, c);
            rows.push_back(cells);
        }
        return rows;
    }

    MessageRecorder recorder;
    LoopbackServer server;
    std::map<int, FixtureTeam> teams;
    std::map<int, std::string> rawReplies;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainControls> ui;

private:
    std::unique_ptr<WorkingFolder> m_folder;
};
