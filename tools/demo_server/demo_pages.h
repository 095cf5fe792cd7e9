#pragma once

#include "roster/team_records.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_squad.h"

#include <string>

// Pages of the demo roster server, as windows-1251 bytes ready to send. A team's pages depend only on
// the catalogue, the team identifier, the week and the training, so every fetch of the same page gives the
// same bytes.

// The youth-school roster page of a team in the given week (see youthSquad): summary card, then one row
// per youth player, surrounded by the site's usual markup. The talent page and the abilities page list the
// same players in the same order.
std::string rosterPage(const DemoCatalogue &catalogue, const DemoTeam &team, PageKind kind, int week = 0,
                       const DemoTraining &training = {});
// The same page for the squad as given (the team's in some week).
std::string rosterPage(const DemoCatalogue &catalogue, const DemoTeam &team, PageKind kind,
                       const std::vector<DemoPlayer> &squad);

// What the site answers for an identifier it does not know; contains "Команда не найдена".
std::string teamNotFoundPage();
// What the site answers while it updates; contains "На сайте проводится обновление данных".
std::string maintenancePage();
// Body of a 500 reply and of the other error replies.
std::string errorPage(int status, const std::string &reason);
