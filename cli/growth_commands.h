#pragma once

#include <QStringList>

class CliContext;

// `history levels` and `history accuracy`: what the stored growth says, from the own team's steps a week.
int historyLevels(CliContext &context, const QStringList &arguments);
int historyAccuracy(CliContext &context, const QStringList &arguments);
