#pragma once

#include "roster/team_records.h"
#include "tools/demo_server/demo_catalogue.h"
#include "widgets/messages.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

// Inputs shared by the benchmarks, made once from the demo server's page generator so they look like
// what the site sends.

// Both roster pages of one demo team, padded with ordinary markup to the size of a real page.
struct SamplePages {
    std::string talent;
    std::string abilities;
    size_t players = 0;
};

// A team of 20 youth players, each page about 40 KB.
const SamplePages &pagesOf20Players();

// Records of a full squad of 25, as the snapshot holds them.
const std::vector<TalentPlayer> &talentRecordsOf25();
const std::vector<AbilitiesPlayer> &skillRecordsOf25();

// A talent list of 100 rows as the window shows them: four squads of 25.
const std::vector<std::vector<std::string>> &talentListOf100();

// The sample catalogue the demo server serves, and its first division of 16 teams.
const DemoCatalogue &demoCatalogue();
const DemoDivision &sixteenTeamDivision();

// The window loads the catalogue from its working folder when it starts; the build's sample files
// spare it the error box of a missing catalogue.
void copySampleCatalogue(const QString &folder);

// Answers every box at once and remembers the first, so a run that went wrong is reported.
class SilentMessages : public Messages {
public:
    SilentMessages() { installMessages(this); }
    ~SilentMessages() override { installMessages(nullptr); }
    SilentMessages(const SilentMessages &) = delete;
    SilentMessages &operator=(const SilentMessages &) = delete;

    void information(const QString &caption, const QString &text) override { note(caption, text); }
    void error(const QString &caption, const QString &text) override { note(caption, text); }
    bool question(const QString &caption, const QString &text) override
    {
        note(caption, text);
        return false;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    void openUrl(const QUrl &) override {}

    void clear()
    {
        count = 0;
        first.clear();
    }

    int count = 0;
    QString first;

private:
    void note(const QString &caption, const QString &text)
    {
        if (count++ == 0)
            first = caption + QStringLiteral(": ") + text;
    }
};

// Wall time of the timed part of a benchmark loop: from construction, less the paused stretches, or
// the sum of the times a manual-time benchmark reports.
class LoopClock {
public:
    LoopClock();
    void pause();
    void resume();
    void add(double seconds) { m_manual += seconds; }
    double seconds() const;

private:
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_pausedAt;
    std::chrono::duration<double> m_paused{};
    double m_manual = 0;
};

// Sets counters["x_memchr"]: the time of one iteration as a multiple of one memchr scan over `bytes`.
void reportMemchrRatio(benchmark::State &state, const LoopClock &clock, const std::string &bytes);
