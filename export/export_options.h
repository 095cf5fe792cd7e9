#pragma once

#include <string>

// The export options as the Settings dialog holds them.
struct ExportOptions {
    std::string separator = "_";
    bool manager = false;
    bool id = false;
    bool money = false;
    bool additions = false;
};
