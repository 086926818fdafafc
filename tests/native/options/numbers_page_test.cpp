// The Numbers page: the separator choices with their enabling rules, and Apply handing the
// choice to the main window at once.
#include "options_fixture.h"

namespace qv::test {
namespace {

TEST_F(OptionsTest, NumbersPageChecksTheHeldSeparator) {
    struct Case {
        char separator;
        int checked;
        const char* other;
    };
    const Case cases[] = {{',', IDC_NUMBERS_COMMA, ""},
                          {'.', IDC_NUMBERS_DOT, ""},
                          {' ', IDC_NUMBERS_SPACE, ""},
                          {'\'', IDC_NUMBERS_OTHER, "'"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.other);
        settings.numbers.thousandsSeparator = c.separator;
        OnPage(IDD_OPTIONS_NUMBERS, [&](HeadlessDialog& page, HeadlessSheet& s) {
            for (int id :
                 {IDC_NUMBERS_COMMA, IDC_NUMBERS_DOT, IDC_NUMBERS_SPACE, IDC_NUMBERS_OTHER})
                EXPECT_EQ(page.Btn(id).IsChecked(), id == c.checked) << id;
            EXPECT_EQ(page.Control(IDC_NUMBERS_OTHER_TEXT).GetText(), c.other);
            EXPECT_EQ(page.Control(IDC_NUMBERS_OTHER_TEXT).IsEnabled(),
                      c.checked == IDC_NUMBERS_OTHER);
            EXPECT_FALSE(s.ApplyAvailable()) << "nothing changed yet";
        });
        EXPECT_EQ(settings.numbers.thousandsSeparator, c.separator);
    }
}

TEST_F(OptionsTest, SeparatorChoicesAreOfferedWhileSeparatorsAreOn) {
    settings.numbers.thousandsSeparator = '#';
    EXPECT_TRUE(OnPage(IDD_OPTIONS_NUMBERS, [](HeadlessDialog& page, HeadlessSheet& s) {
        page.Click(IDC_NUMBERS_USE_SEPARATOR);
        EXPECT_TRUE(s.ApplyAvailable());
        for (int id : {IDC_NUMBERS_COMMA, IDC_NUMBERS_DOT, IDC_NUMBERS_SPACE, IDC_NUMBERS_OTHER,
                       IDC_NUMBERS_OTHER_TEXT})
            EXPECT_FALSE(page.Control(id).IsEnabled()) << id;
        page.Click(IDC_NUMBERS_USE_SEPARATOR);
        EXPECT_TRUE(page.Control(IDC_NUMBERS_OTHER_TEXT).IsEnabled());
        page.Click(IDC_NUMBERS_SPACE);
        EXPECT_FALSE(page.Control(IDC_NUMBERS_OTHER_TEXT).IsEnabled());
        EXPECT_TRUE(page.Control(IDC_NUMBERS_DOT).IsEnabled());
    }));
    EXPECT_EQ(settings.numbers.thousandsSeparator, ' ');
    EXPECT_EQ(settings.numbers.useThousandsSep, 1);
}

TEST_F(OptionsTest, OtherGivesItsOneCharacterOrElseAComma) {
    struct Case {
        const char* typed;
        bool pasted; // set without the field's limit
        char separator;
    };
    const Case cases[] = {
        {"*", false, '*'}, {"", false, ','}, {"xy", false, 'x'}, {"xy", true, ','}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        OnPage(IDD_OPTIONS_NUMBERS, [&](HeadlessDialog& page, HeadlessSheet&) {
            page.Click(IDC_NUMBERS_OTHER);
            if (c.pasted)
                page.Control(IDC_NUMBERS_OTHER_TEXT).SetText(c.typed);
            else
                page.Type(IDC_NUMBERS_OTHER_TEXT, c.typed);
        });
        EXPECT_EQ(settings.numbers.thousandsSeparator, c.separator);
    }
}

TEST_F(OptionsTest, ApplyHandsTheSeparatorToTheMainWindowAtOnceAndCancelKeepsIt) {
    OnPage(IDD_OPTIONS_NUMBERS, [&](HeadlessDialog& page, HeadlessSheet& s) {
        page.Click(IDC_NUMBERS_DOT);
        EXPECT_TRUE(host.calls.empty());
        EXPECT_TRUE(s.PressApply());
        EXPECT_EQ(host.calls, (std::vector<std::string>{"separator on ."}));
        s.PressCancel();
    });
    // The sheet's copy was not handed back; the main window keeps what Apply gave it.
    EXPECT_EQ(settings.numbers.thousandsSeparator, ',');
    EXPECT_EQ(host.calls.size(), 1u);
}

} // namespace
} // namespace qv::test
