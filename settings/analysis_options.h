#pragma once

#include "analysis/growth_fit.h"

class SettingsStore;

// The user's own team and its levels in the section [Analysis]: OwnTeam (its identifier, 0 for none),
// OwnSchoolLevel and OwnCoachLevel (1–3). A value not understood takes its default.
OwnTeam loadOwnTeam(const SettingsStore &store);
// Writes only what does not already read as the options; a store that never had one stays without it.
void saveOwnTeam(SettingsStore &store, const OwnTeam &own);
