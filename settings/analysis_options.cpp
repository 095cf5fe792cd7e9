#include "settings/analysis_options.h"

#include "settings/settings_store.h"
#include "text/app_error.h"

#include <algorithm>

namespace {

const QString analysisSection = QStringLiteral("Analysis");

int storedNumber(const SettingsStore &store, const QString &name, int fallback)
{
    try {
        bool ok = false;
        const int value =
            store.readText(name, QString::number(fallback), analysisSection).trimmed().toInt(&ok);
        return ok ? value : fallback;
    } catch (const AppError &) {
        return fallback;
    }
}

} // namespace

OwnTeam loadOwnTeam(const SettingsStore &store)
{
    OwnTeam own;
    own.teamId = storedNumber(store, QStringLiteral("OwnTeam"), 0);
    const int school = storedNumber(store, QStringLiteral("OwnSchoolLevel"), own.schoolLevel);
    const int coach = storedNumber(store, QStringLiteral("OwnCoachLevel"), own.coachLevel);
    // A level out of 1–3 is none the game has: the default stands.
    if (school >= 1 && school <= 3)
        own.schoolLevel = school;
    if (coach >= 1 && coach <= 3)
        own.coachLevel = coach;
    return own;
}

void saveOwnTeam(SettingsStore &store, const OwnTeam &own)
{
    if (own == OwnTeam{} && !store.sectionHasValues(analysisSection))
        return;
    const OwnTeam stored = loadOwnTeam(store);
    const auto write = [&](const QString &name, bool differs, int value) {
        if (!store.contains(name, analysisSection) || differs)
            store.writeText(name, QString::number(value), analysisSection);
    };
    write(QStringLiteral("OwnTeam"), own.teamId != stored.teamId, own.teamId);
    write(QStringLiteral("OwnSchoolLevel"), own.schoolLevel != stored.schoolLevel, own.schoolLevel);
    write(QStringLiteral("OwnCoachLevel"), own.coachLevel != stored.coachLevel, own.coachLevel);
}
