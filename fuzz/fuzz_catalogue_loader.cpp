// Any file as a catalogue table: loading either fails with AppError and leaves the table closed, or
// gives a table whose rows, fields and locate all answer or fail with AppError.
#include "catalogue/catalogue_table.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_table_file.h"
#include "text/app_error.h"

#include <string>

namespace {

template <class Read> bool answers(Read read)
{
    try {
        read();
        return true;
    } catch (const AppError &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &path = tableFileWith(data, size);

    CatalogueTable table;
    if (!answers([&] { table.loadFromFile(path); })) {
        FUZZ_CHECK(!table.isOpen());
        FUZZ_CHECK(!answers([&] { table.eof(); }));
        return 0;
    }
    FUZZ_CHECK(table.isOpen());

    std::string firstText;
    size_t rows = 0;
    while (!table.eof()) {
        FUZZ_CHECK(rows <= size); // a row takes at least a byte of the file
        for (int column = -1; column < 8; ++column) {
            std::string text;
            const bool hasText = answers([&] { text = table.fieldAsText(column); });
            if (rows == 0 && column == 0 && hasText)
                firstText = text;
            int32_t value = 0;
            const bool hasInteger = answers([&] { value = table.fieldAsInteger(column); });
            // A field that reads as an integer has a text: any field does, when its column exists.
            if (hasInteger)
                FUZZ_CHECK(hasText);
        }
        table.next();
        ++rows;
    }

    for (const char *field : {"name", "id", "divId", "TEAMID", ""}) {
        bool found = false;
        if (answers([&] { found = table.locate(field, firstText); }) && found)
            FUZZ_CHECK(!table.eof());
        if (answers([&] { found = table.locate(field, 1); }) && found)
            FUZZ_CHECK(!table.eof());
    }
    table.close();
    FUZZ_CHECK(!table.isOpen());
    return 0;
}
