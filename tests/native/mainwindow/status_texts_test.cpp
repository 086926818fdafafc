// The three counts on their own: singular, grouped digits, and nothing when the platform errs.
#include "main_window_fixture.h"
#include "window/status_texts.h"

namespace qv::test {
namespace {

class StatusTextsTest : public WindowPartsTest {
  protected:
    CNumberFormat format;
    CStatusTexts status{*window, platform.strings, format};
};

TEST_F(StatusTextsTest, CountsReadAsTheUserFormatsNumbers) {
    struct Case {
        int lines;
        int useSeparator;
        char separator;
        bool fails;
        const char* items;
        const char* selected;
        const char* characters;
    };
    const Case cases[] = {
        {0, 1, ',', false, "0 items", "0 selected items", "0 characters"},
        {1, 1, ',', false, "1 item", "1 selected item", "1 character"},
        {1234, 1, '.', false, "1.234 items", "1.234 selected items", "1.234 characters"},
        {1234, 0, '.', false, "1234 items", "1234 selected items", "1234 characters"},
        {2, 1, ',', true, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        List().ResetContent();
        for (int i = 0; i < c.lines; ++i) {
            List().AddString("x");
            List().SetSel(i, true);
        }
        Pane().SetText(std::string(std::size_t(c.lines), 'x'));
        format.useThousandsSep = c.useSeparator;
        format.thousandsSeparator = c.separator;
        List().countsFail = Pane().lengthFails = c.fails;
        status.ShowItemCount();
        status.ShowSelectedCount();
        status.ShowCharCount();
        EXPECT_EQ(Label(IDC_ITEM_COUNT), c.items);
        EXPECT_EQ(Label(IDC_SELECTED_COUNT), c.selected);
        EXPECT_EQ(Label(IDC_CHAR_COUNT), c.characters);
    }
}

} // namespace
} // namespace qv::test
