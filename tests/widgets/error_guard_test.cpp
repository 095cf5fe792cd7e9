#include "support/message_recorder.h"
#include "text/app_error.h"
#include "widgets/error_guard.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AddsFinalDotOnlyAfterBytesThatSortAfterIt)
{
    EXPECT_EQ(errorBoxText("'abc' is not a valid integer value"), "'abc' is not a valid integer value.");
    EXPECT_EQ(errorBoxText("Done."), "Done.");
    EXPECT_EQ(errorBoxText("List index out of bounds (12)"), "List index out of bounds (12)");
    EXPECT_EQ(errorBoxText("ends with -"), "ends with -");
    EXPECT_EQ(errorBoxText("ends with /"), "ends with /.");
    EXPECT_EQ(errorBoxText("\xCE\xF8\xE8\xE1\xEA\xE0"), "\xCE\xF8\xE8\xE1\xEA\xE0."); // Cyrillic sorts after
}

TEST(RunGuarded, ShowsEscapingErrorCaptionedWithTheTitleAndGoesOn)
{
    MessageRecorder recorder;
    bool afterThrow = false;
    EXPECT_FALSE(runGuarded([&] {
        throw ConvertError("'\xE0' is not a valid integer value");
        afterThrow = true;
    }));
    EXPECT_FALSE(afterThrow);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("'а' is not a valid integer value."));

    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_EQ(recorder.boxes.size(), 1u);
}
