#pragma once

#include "text/markers.h"
#include "text/numbers.h"

#include <string>
#include <vector>

// The program's cut rules applied literally, written apart from the program's reader: a page that reads
// here reads in the program. Checks the pages the demo server and the page writer make.

struct Summary {
    std::string team, id, manager, rang, city, stadium, division, money, players, cosp, power, visRat;
};

struct PageReader {
    std::string w;

    // W becomes its part from p1 on when marker 1 is there; the value lies between markers 2 and 3.
    std::string extract(const std::string &m1, const std::string &m2, const std::string &m3)
    {
        const int32_t p1 = markerPos(m1, w);
        if (p1 > 0)
            w = subText(w, p1, static_cast<int64_t>(w.size()));
        const int64_t p2 = markerPos(m2, w);
        const int64_t p3 = markerPos(m3, w);
        const auto len = static_cast<int64_t>(m2.size());
        return subText(w, p2 + len, p3 - p2 - len);
    }
    void movePast(const std::string &m, int64_t k)
    {
        w = subText(w, markerPos(m, w) + k, static_cast<int64_t>(w.size()));
    }
    std::string textBefore(const std::string &m) const { return subText(w, 1, markerPos(m, w) - 1); }

    Summary summary()
    {
        Summary s;
        s.team = extract("name=\"Team\"", ">", "</a>");
        s.id = extract("name=\"ShortName\"", "value=\"", "\"/");
        s.manager = extract("info.php?user=", ">", "</a>");
        if (!s.manager.empty())
            s.rang = extract("name=\"Rang\"", "value=\"", "\"/");
        s.city = extract("name=\"City\"", "value=\"", "\"/");
        s.stadium = extract("name=\"Stadium\"", "value=\"<nobr>", "\"/");
        s.division = extract("name=champ&division=", ">", "</a>");
        s.money = extract("name=\"Money\"", "value=\"", "\"/");
        s.players = extract("name=\"Players\"", "value=\"", "\"/");
        s.cosp = extract("name=\"CoSP\"", "value=\"", "\"/");
        try {
            s.players = std::to_string(readInteger(s.players));
            s.power = extract("name=\"Power11\"", "value=\"", "\"/");
        } catch (...) {
            s.players = "0";
            s.power = "0";
        }
        s.visRat = extract("name=\"VisRat\"", "value=\"", "\"/");
        return s;
    }

    // Cells of each row: name, [country,] position, age, mastery, then talent or the eight abilities.
    std::vector<std::vector<std::string>> rows(bool talentPage)
    {
        std::vector<std::vector<std::string>> rows;
        for (int32_t p = markerPos("info.php?id=", w); p > 0; p = markerPos("info.php?id=", w)) {
            std::vector<std::string> cells;
            w = subText(w, p, static_cast<int64_t>(w.size()));
            movePast("=>", 2);
            cells.push_back(textBefore("<"));
            if (talentPage) {
                const int64_t t = markerPos("title", w);
                const int64_t s = markerPos("\"/>", w);
                cells.push_back(subText(w, t + 7, s - t - 7));
            }
            movePast("\"/>", 21);
            cells.push_back(textBefore("</td>"));
            movePast("r>", 2);
            cells.push_back(textBefore("</td>"));
            movePast("b>", 2);
            cells.push_back(textBefore("</td>"));
            if (talentPage) {
                movePast("b>", 2);
                cells.push_back(textBefore("</td>"));
            } else if (cells[1] == "Gk") {
                cells.insert(cells.end(), 8, "0.00");
            } else {
                for (int i = 0; i < 8; ++i) {
                    movePast("\"right\">", 8);
                    cells.push_back(textBefore("</td>"));
                }
            }
            rows.push_back(cells);
        }
        return rows;
    }
};
