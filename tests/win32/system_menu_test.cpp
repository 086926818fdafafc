// The system menu in-process (another process cannot read it): the platform's entries as the
// program trims them, and the entries it appends.
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

struct Entry {
    UINT id;
    std::string text;
    bool separator, greyed, checked;
};

std::vector<Entry> ReadMenu(HMENU menu) {
    std::vector<Entry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        entries.push_back(Entry{info.wID, text, (info.fType & MFT_SEPARATOR) != 0,
                                (info.fState & MFS_GRAYED) != 0, (info.fState & MFS_CHECKED) != 0});
    }
    return entries;
}

TEST(SystemMenu, TrimmedPlatformEntriesThenTheProgramsOwn) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    platform::ISystemMenu* menu = dialog->SystemMenu();
    ASSERT_NE(menu, nullptr);

    // What the program does at start-up: grey Restore, drop Size and then Maximize.
    menu->EnableByPosition(0, false);
    menu->RemoveByPosition(2);
    menu->RemoveByPosition(3);
    menu->AppendSeparator();
    menu->AppendItem(IDM_TIP, "Show &Tip of the Day...\tCtrl+T", platform::MenuState::Enabled);
    menu->AppendItem(IDM_WATCH, "&Watch for Changes\tCtrl+W", platform::MenuState::Checked);
    menu->AppendItem(IDM_UNDO_DELETE, "&Undo Delete\tCtrl+Z", platform::MenuState::Greyed);

    const HMENU native = GetSystemMenu(dialog->Window(), FALSE);
    const std::vector<Entry> entries = ReadMenu(native);
    std::string listing;
    for (const Entry& e : entries)
        listing += std::to_string(e.id) + " \"" + e.text + "\"\n";
    SCOPED_TRACE(listing);
    struct Expected {
        UINT id;
        bool separator, greyed, checked;
    };
    // The platform's own entries as the program leaves them...
    const Expected platformEntries[] = {
        {SC_RESTORE, false, true, false},   {SC_MOVE, false, false, false},
        {SC_MINIMIZE, false, false, false}, {0, true, false, false},
        {SC_CLOSE, false, false, false},
    };
    // ...and its own at the end; this platform adds entries of its own in between ("About Wine").
    const Expected programEntries[] = {
        {0, true, false, false},
        {IDM_TIP, false, false, false},
        {IDM_WATCH, false, false, true},
        {IDM_UNDO_DELETE, false, true, false},
    };
    ASSERT_GE(entries.size(), 9u);
    auto check = [](const Entry& actual, const Expected& expected) {
        EXPECT_EQ(actual.separator, expected.separator) << actual.text;
        if (expected.separator)
            return; // a separator's state means nothing (this platform greys them)
        EXPECT_EQ(actual.id, expected.id) << actual.text;
        EXPECT_EQ(actual.greyed, expected.greyed) << actual.text;
        EXPECT_EQ(actual.checked, expected.checked) << actual.text;
    };
    for (std::size_t i = 0; i < 5; ++i)
        check(entries[i], platformEntries[i]);
    const std::size_t tail = entries.size() - 4;
    for (std::size_t i = 0; i < 4; ++i)
        check(entries[tail + i], programEntries[i]);
    EXPECT_EQ(entries[tail + 2].text, "&Watch for Changes\tCtrl+W");
}

TEST(SystemMenu, EntriesChangeByCommandAndKeepTheirState) {
    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    platform::ISystemMenu* menu = dialog->SystemMenu();
    ASSERT_NE(menu, nullptr);
    menu->AppendItem(IDM_PREVIOUS, "&Previous Item\tCtrl+P", platform::MenuState::Greyed);
    menu->AppendItem(IDM_INCLUDE_FORMATTING, "Include &Formatting \tCtrl+F",
                     platform::MenuState::Checked);
    const HMENU native = GetSystemMenu(dialog->Window(), FALSE);
    auto find = [&](UINT id) {
        for (const Entry& e : ReadMenu(native))
            if (e.id == id)
                return e;
        return Entry{0, "missing", false, false, false};
    };

    menu->SetItemText(IDM_PREVIOUS, "&Previous: \"an item\"\tCtrl+P");
    EXPECT_EQ(find(IDM_PREVIOUS).text, "&Previous: \"an item\"\tCtrl+P");
    EXPECT_TRUE(find(IDM_PREVIOUS).greyed) << "a new label keeps the state";
    menu->Enable(IDM_PREVIOUS, true);
    EXPECT_FALSE(find(IDM_PREVIOUS).greyed);

    menu->SetItemText(IDM_INCLUDE_FORMATTING, "Include &Formatting \tCtrl+F");
    EXPECT_TRUE(find(IDM_INCLUDE_FORMATTING).checked);
    menu->Check(IDM_INCLUDE_FORMATTING, false);
    EXPECT_FALSE(find(IDM_INCLUDE_FORMATTING).checked);

    // The platform's own entries answer by position too.
    menu->EnableByPosition(0, true);
    EXPECT_FALSE(ReadMenu(native)[0].greyed);
}

} // namespace
} // namespace qv::win32test
