#include "history/history_entry.h"
#include "history/plain_text.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PlainText, SplitsAtFiveHundredAndJoinsBack) {
    struct Case {
        std::size_t length;
        std::size_t listLength;
        std::size_t overflowLength;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{499, 499, 0}, Case{500, 500, 0}, Case{501, 503, 1},
                          Case{502, 503, 2}, Case{10000, 503, 9500}}) {
        std::string text;
        for (std::size_t i = 0; i < c.length; ++i)
            text += char('a' + i % 26);
        const SplitText split = SplitPlainText(text);
        EXPECT_EQ(split.listText.size(), c.listLength) << c.length;
        EXPECT_EQ(split.overflowText.size(), c.overflowLength) << c.length;
        if (c.length > 500)
            EXPECT_EQ(split.listText.substr(500), "...");
        EXPECT_EQ(JoinPlainText(split.listText, split.overflowText), text) << c.length;
    }
}

TEST(PlainText, TextEndingInDotsAtTheLimitStaysIntact) {
    // A 503-character text whose characters 501-503 are dots is not confused with the marker.
    std::string text(500, 'x');
    text += "...";
    const SplitText split = SplitPlainText(text);
    EXPECT_EQ(split.overflowText, "...");
    EXPECT_EQ(JoinPlainText(split.listText, split.overflowText), text);
}

TEST(PlainText, MultiByteCharacterAtTheLimitGoesWholeToTheOverflow) {
    for (const std::string& character :
         {std::string("\xC3\xA9"), std::string("\xE6\x97\xA5"), std::string("\xF0\x9F\x98\x80")}) {
        for (std::size_t before = 496; before <= 500; ++before) {
            const std::string text = std::string(before, 'a') + character + "tail";
            SCOPED_TRACE(std::to_string(before) + " bytes, then " + character);
            const SplitText split = SplitPlainText(text);
            // The character straddles the limit unless it ends by it.
            const std::size_t cut = before + character.size() > 500 ? before : 500;
            EXPECT_EQ(split.listText, text.substr(0, cut) + "...");
            EXPECT_EQ(split.overflowText, text.substr(cut));
            EXPECT_EQ(JoinPlainText(split.listText, split.overflowText), text);
            EXPECT_EQ(SplitPlainText(std::string(text)).listText, split.listText);
        }
    }
}

TEST(ClipTime, ShowsTwelveHourDial) {
    struct Case {
        std::uint16_t year, hour, minute, second;
        const char* expected;
    };
    for (const Case& c :
         {Case{2026, 0, 5, 9, "Clip time: 00:05:09 am"},
          Case{2026, 12, 30, 0, "Clip time: 12:30:00 pm"},
          Case{2026, 13, 0, 0, "Clip time: 01:00:00 pm"},
          Case{2026, 23, 59, 59, "Clip time: 11:59:59 pm"}, Case{0, 13, 0, 0, ""}}) {
        CHistoryEntry entry;
        entry.clipTime.year = c.year;
        entry.clipTime.hour = c.hour;
        entry.clipTime.minute = c.minute;
        entry.clipTime.second = c.second;
        EXPECT_EQ(entry.ClipTimeText(), c.expected);
    }
}

TEST(ClipTime, ItemsFromTextsAndCopiesHaveNoClipTime) {
    platform::LocalTime now{2026, 12, 4, 10, 9, 30, 0, 0};
    CHistoryItem captured(now);
    captured.rtfText = "{\\rtf1 x}";
    captured.overflowText = "tail";
    EXPECT_FALSE(captured.ClipTimeText().empty());
    std::unique_ptr<CHistoryItem> copy(CHistoryItem::CopyOf(captured));
    EXPECT_EQ(copy->ClipTimeText(), "");
    EXPECT_EQ(copy->rtfText, captured.rtfText);
    EXPECT_EQ(copy->overflowText, "tail");
    EXPECT_EQ(CHistoryItem("r", "o").ClipTimeText(), "");
}

} // namespace
} // namespace qv
