#include "retrieval/page_reader.h"

#include "text/app_error.h"

void PageReading::rethrowFailure() const
{
    if (failure)
        std::rethrow_exception(failure);
}

std::string PageReading::failureMessage() const
{
    try {
        rethrowFailure();
    } catch (const std::exception &e) {
        return e.what();
    }
    return {};
}

KeptPage keepInHistory(TeamHistory &history, int32_t teamId, const TeamSummary &summary, PageKind kind,
                       const PageReading &reading, int64_t storedFetchId)
{
    KeptPage kept;
    kept.team = history.findByTeamId(teamId, storedFetchId);
    if (!kept.team) {
        kept.team = &history.append(summary, teamId, storedFetchId);
        kept.newSnapshot = true;
    }
    const bool filled = (kind == PageKind::Talent ? kept.team->TalCount : kept.team->SkillCount) > 0;
    if (filled || !reading.converted())
        return kept;
    for (const auto &player : reading.talents)
        AddTal(*kept.team, std::make_unique<CPlayerTal>(*player));
    for (const auto &player : reading.skills)
        AddSkill(*kept.team, std::make_unique<CPlayerSkill>(*player));
    kept.rowsTaken = !reading.rows.empty();
    return kept;
}

PageReading readPage(std::string_view page, PageKind kind)
{
    PageReading reading;
    std::string_view w = page;
    reading.summary = extractSummary(w);
    RowCutter cutter(w, kind);
    while (auto row = cutter.next()) {
        reading.rows.push_back(std::move(*row));
        try {
            if (kind == PageKind::Talent)
                reading.talents.push_back(talentRecordOf(reading.rows.back()));
            else
                reading.skills.push_back(skillRecordOf(reading.rows.back()));
        } catch (const ConvertError &) {
            reading.failure = std::current_exception();
            break;
        }
    }
    // Records count only as a whole page: a snapshot never holds part of a roster.
    if (reading.failure) {
        reading.talents.clear();
        reading.skills.clear();
    }
    return reading;
}
