#pragma once

#include <QString>
#include <string>

// The one pair of conversions between our 8-bit windows-1251 texts and Qt's Unicode strings.
// Everything the program holds (page text, cells, records, export lines) stays in 8-bit form;
// these run only where a widget shows a text or hands one back.
QString fromCp1251(const std::string &bytes);
std::string toCp1251(const QString &text);
