// The settings store in the real registry: typed values where the program expects them, and the
// default for anything of another type.
#include "search/search_terms.h"
#include "win32_fixture.h"
#include <climits>
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

constexpr char kCompany[] = "Quorvane Tests";
constexpr char kKeyPath[] = "Software\\Quorvane Tests\\Settings Test\\Section";

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane Tests");
        store_.SetRoot(kCompany, "Settings Test");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane Tests"); }
    // Writes a raw value as another program (or an older version) might have left it.
    void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    DWORD StoredType(const char* name) {
        DWORD type = 0;
        RegGetValueA(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_ANY, &type, nullptr, nullptr);
        return type;
    }
    pw::Win32Settings store_;
};

TEST_F(Settings, IntegersAreDwordsAndStringsAreStrings) {
    for (int value : {0, 1, -1, 500, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(store_.WriteInt("Section", "Number", value));
        EXPECT_EQ(store_.GetInt("Section", "Number", 77), value);
    }
    EXPECT_EQ(StoredType("Number"), static_cast<DWORD>(REG_DWORD));

    for (const std::string& value :
         {std::string(), std::string("plain"), std::string("caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5"),
          std::string(3000, 'x')}) {
        ASSERT_TRUE(store_.WriteString("Section", "Text", value));
        EXPECT_EQ(store_.GetString("Section", "Text", "default"), value);
    }
    EXPECT_EQ(StoredType("Text"), static_cast<DWORD>(REG_SZ));
}

TEST_F(Settings, AValueOfAnotherTypeReadsAsTheDefault) {
    ASSERT_TRUE(store_.WriteString("Section", "Words", "12"));
    ASSERT_TRUE(store_.WriteInt("Section", "Number", 12));
    const unsigned char bytes[] = {1, 2, 3, 4};
    WriteRaw("Binary", REG_BINARY, bytes, sizeof bytes);
    const unsigned long long wide = 5;
    WriteRaw("Qword", REG_QWORD, &wide, sizeof wide);
    WriteRaw("Expand", REG_EXPAND_SZ, "%TEMP%", 7);

    EXPECT_EQ(store_.GetInt("Section", "Words", -1), -1) << "a string where an int belongs";
    EXPECT_EQ(store_.GetString("Section", "Number", "default"), "default");
    EXPECT_EQ(store_.GetInt("Section", "Binary", -1), -1) << "four bytes of REG_BINARY";
    EXPECT_EQ(store_.GetString("Section", "Binary", "default"), "default");
    EXPECT_EQ(store_.GetInt("Section", "Qword", -1), -1);
    EXPECT_EQ(store_.GetString("Section", "Expand", "default"), "default");
}

TEST_F(Settings, MissingValuesReadAsTheDefault) {
    EXPECT_EQ(store_.GetInt("No Section", "Key", 10), 10);
    EXPECT_EQ(store_.GetString("No Section", "Key", "ten"), "ten");
    ASSERT_TRUE(store_.WriteInt("Section", "Other", 1));
    EXPECT_EQ(store_.GetInt("Section", "Missing", 10), 10);
}

TEST_F(Settings, AStringWithoutItsTerminatingZeroEndsAtItsSize) {
    WriteRaw("Unterminated", REG_SZ, "abc", 3);
    EXPECT_EQ(store_.GetString("Section", "Unterminated", "default"), "abc");
}

TEST_F(Settings, NothingIsReadOrWrittenBeforeTheRootIsSet) {
    pw::Win32Settings unrooted;
    EXPECT_FALSE(unrooted.WriteInt("Section", "Number", 1));
    EXPECT_EQ(unrooted.GetInt("Section", "Number", 9), 9);
}

TEST_F(Settings, SearchTermsAreSavedLoadedAndClearedInTheRegistry) {
    SearchTermList terms;
    for (int k = 1; k <= 12; ++k)
        terms.Commit("term " + std::to_string(k), pw::Win32CodePage());
    terms.SaveSearchTerms(store_);
    constexpr char kSearching[] = "Software\\Quorvane Tests\\Settings Test\\Searching";
    char value[64] = {};
    DWORD size = sizeof value;
    ASSERT_EQ(
        RegGetValueA(HKEY_CURRENT_USER, kSearching, "Term0", RRF_RT_REG_SZ, nullptr, value, &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(value, "term 3");
    SearchTermList loaded;
    loaded.LoadSearchTerms(store_);
    ASSERT_EQ(loaded.Entries().size(), 10u);
    EXPECT_EQ(loaded.Entries().back(), "term 12");

    loaded.ClearSearchTerms(store_);
    EXPECT_EQ(
        RegGetValueA(HKEY_CURRENT_USER, kSearching, "Term0", RRF_RT_ANY, nullptr, nullptr, nullptr),
        ERROR_FILE_NOT_FOUND);
    SearchTermList after;
    after.LoadSearchTerms(store_);
    EXPECT_TRUE(after.Entries().empty());
}

} // namespace
} // namespace qv::win32test
