#pragma once

#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Writes the input as the table file and returns its name: one file in a private folder per fuzzing
// process, as SQLite may want to put its side files next to the table.
inline const std::string &tableFileWith(const uint8_t *data, size_t size)
{
    static const std::string path = [] {
        char folder[] = "/tmp/brindlemark-fuzz-catalogue-XXXXXX";
        FUZZ_CHECK(mkdtemp(folder) != nullptr);
        return std::string(folder) + "/table.cds";
    }();
    std::FILE *file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
    return path;
}
