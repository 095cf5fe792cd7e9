#include "history/player_search.h"

QString searchFolded(const QString &text)
{
    // Ё folds to Е here as people type it: a search for "Семенов" finds "Семёнов".
    QString folded = text.toCaseFolded();
    folded.replace(QChar(0x0451), QChar(0x0435));
    return folded;
}
