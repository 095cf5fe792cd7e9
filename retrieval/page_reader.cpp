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
                reading.abilities.push_back(skillRecordOf(reading.rows.back()));
        } catch (const ConvertError &) {
            reading.failure = std::current_exception();
            break;
        }
    }
    // Records count only as a whole page: a snapshot never holds part of a roster.
    if (reading.failure) {
        reading.talents.clear();
        reading.abilities.clear();
    }
    return reading;
}
