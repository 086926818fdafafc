#include "platform/headless/headless_services.h"
#include "settings/settings.h"
#include "settings/settings_names.h"
#include "text/format_count.h"
#include <climits>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <set>
#include <string>

namespace qv {
namespace {

using platform::headless::BinaryValue;
using platform::headless::HeadlessSettings;
using platform::headless::SettingValue;

constexpr char kBranch[] = "Software\\Harrowmere Software\\Quorvane\\";

// Every integer key, spelled out independently of the code, in the order the store is visited.
struct IntKey {
    const char* section;
    const char* key;
    int defaultValue;
    int& (*field)(CSettings&);
};

const IntKey kIntKeys[] = {
    {"Saving", "Change Limit", 10, [](CSettings& s) -> int& { return s.changeLimit; }},
    {"Searching", "Use First Found", 0, [](CSettings& s) -> int& { return s.useFirstFound; }},
    {"Searching", "Allow Typos", 0, [](CSettings& s) -> int& { return s.allowTypos; }},
    {"Searching", "Separation", 2, [](CSettings& s) -> int& { return s.separation; }},
    {"Start Up", "Restore Wnd Placement", 1,
     [](CSettings& s) -> int& { return s.restoreWndPlacement; }},
    {"Start Up", "Start Minimized", 0, [](CSettings& s) -> int& { return s.startMinimized; }},
    {"Start Up", "Show Day Tip", 1, [](CSettings& s) -> int& { return s.showDayTip; }},
    {"Start Up", "Day Tip Index", 0, [](CSettings& s) -> int& { return s.dayTipIndex; }},
    {"Numbers", "Use Thousands Sep", 1,
     [](CSettings& s) -> int& { return s.numbers.useThousandsSep; }},
    {"Misc", "Apply Colors", 0, [](CSettings& s) -> int& { return s.applyColors; }},
    {"Misc", "Show Effects", 0, [](CSettings& s) -> int& { return s.showEffects; }},
    {"Misc", "Use Limit", 1, [](CSettings& s) -> int& { return s.useLimit; }},
    {"Misc", "History Limit", 250, [](CSettings& s) -> int& { return s.historyLimit; }},
    {"Misc", "Confirm Exit", 1, [](CSettings& s) -> int& { return s.confirmExit; }},
};

// A store that fails, or runs out of memory, on one named key.
class FailingStore : public HeadlessSettings {
  public:
    int GetInt(const std::string& section, const std::string& key, int defaultValue) override {
        Check(key);
        return HeadlessSettings::GetInt(section, key, defaultValue);
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override {
        Check(key);
        return HeadlessSettings::GetString(section, key, defaultValue);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        Check(key);
        return key != failKey && HeadlessSettings::WriteInt(section, key, value);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        Check(key);
        return key != failKey && HeadlessSettings::WriteString(section, key, value);
    }

    std::string failKey;
    bool outOfMemory = false;

  private:
    void Check(const std::string& key) const {
        if (outOfMemory && key == failKey)
            throw std::bad_alloc();
    }
};

class SettingsTest : public testing::Test {
  protected:
    void SetUp() override { store.SetRoot("Harrowmere Software", "Quorvane"); }

    void Put(const std::string& section, const std::string& key, SettingValue value) {
        store.keys[kBranch + section][key] = std::move(value);
    }
    const SettingValue* Stored(const std::string& section, const std::string& key) const {
        auto s = store.keys.find(kBranch + section);
        if (s == store.keys.end())
            return nullptr;
        auto v = s->second.find(key);
        return v == s->second.end() ? nullptr : &v->second;
    }
    // Empty when the value is missing or of another type.
    std::optional<int> StoredInt(const std::string& section, const std::string& key) const {
        const SettingValue* v = Stored(section, key);
        const int* i = v ? std::get_if<int>(v) : nullptr;
        return i ? std::optional<int>(*i) : std::nullopt;
    }
    std::optional<std::string> StoredString(const std::string& section,
                                            const std::string& key) const {
        const SettingValue* v = Stored(section, key);
        const std::string* t = v ? std::get_if<std::string>(v) : nullptr;
        return t ? std::optional<std::string>(*t) : std::nullopt;
    }
    // Gives every integer key a value of its own, 100 + its place in the table.
    static CSettings Distinct() {
        CSettings s;
        int i = 0;
        for (const IntKey& k : kIntKeys)
            k.field(s) = 100 + i++;
        s.numbers.thousandsSeparator = ';';
        return s;
    }

    FailingStore store;
};

TEST_F(SettingsTest, EmptyStoreGivesEveryDefault) {
    CSettings s = Distinct(); // earlier values must not survive a read
    EXPECT_TRUE(s.Read(store));
    for (const IntKey& k : kIntKeys)
        EXPECT_EQ(k.field(s), k.defaultValue) << k.key;
    EXPECT_EQ(s.numbers.thousandsSeparator, ',');
}

TEST_F(SettingsTest, ReadsEveryKeyFromItsSection) {
    int i = 0;
    for (const IntKey& k : kIntKeys)
        Put(k.section, k.key, 100 + i++);
    Put("Numbers", "Thousands Separator", std::string(";"));

    CSettings s;
    EXPECT_TRUE(s.Read(store));
    i = 0;
    for (const IntKey& k : kIntKeys)
        EXPECT_EQ(k.field(s), 100 + i++) << k.key;
    EXPECT_EQ(s.numbers.thousandsSeparator, ';');
}

TEST_F(SettingsTest, WritesIntegersAsIntegersAndTheSeparatorAsAString) {
    const CSettings s = Distinct();
    EXPECT_TRUE(s.Write(store));

    int i = 0;
    for (const IntKey& k : kIntKeys) {
        EXPECT_EQ(StoredInt(k.section, k.key), 100 + i++) << k.key;
    }
    EXPECT_EQ(StoredString("Numbers", "Thousands Separator"), ";");

    // Nothing else: no search terms, no placement, no stray sections.
    std::set<std::string> sections;
    std::size_t values = 0;
    for (const auto& [path, keys] : store.keys) {
        sections.insert(path);
        values += keys.size();
    }
    EXPECT_EQ(sections, (std::set<std::string>{
                            std::string(kBranch) + "Saving", std::string(kBranch) + "Searching",
                            std::string(kBranch) + "Start Up", std::string(kBranch) + "Numbers",
                            std::string(kBranch) + "Misc"}));
    EXPECT_EQ(values, std::size(kIntKeys) + 1);
}

bool IsHistoryLimit(const IntKey& k) {
    return std::string(k.key) == "History Limit";
}

TEST_F(SettingsTest, UnusualValuesAreKeptAsReadAndWrittenBack) {
    for (int value : {1000, 0, -5, -1, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(value);
        for (const IntKey& k : kIntKeys)
            Put(k.section, k.key, value);
        CSettings s;
        EXPECT_TRUE(s.Read(store));
        // The History Limit's own rule is below.
        for (const IntKey& k : kIntKeys)
            if (!IsHistoryLimit(k) || value >= 1)
                EXPECT_EQ(k.field(s), value) << k.key;

        store.keys.clear();
        EXPECT_TRUE(s.Write(store));
        for (const IntKey& k : kIntKeys) {
            if (!IsHistoryLimit(k) || value >= 1)
                EXPECT_EQ(StoredInt(k.section, k.key), value) << k.key;
        }
    }
}

TEST_F(SettingsTest, AHistoryLimitBelowOneReadsAsTheDefaultAndIsWrittenSo) {
    const struct {
        int stored, read;
    } cases[] = {{0, 250}, {-1, 250}, {-5, 250}, {INT_MIN, 250}, {1, 1}, {49, 49}, {1000, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Put("Misc", "History Limit", c.stored);
        Put("Misc", "Use Limit", 1);
        CSettings s;
        EXPECT_TRUE(s.Read(store));
        EXPECT_EQ(s.historyLimit, c.read);
        EXPECT_EQ(s.useLimit, 1);
        store.keys.clear();
        EXPECT_TRUE(s.Write(store));
        EXPECT_EQ(StoredInt("Misc", "History Limit"), c.read);
    }
}

TEST_F(SettingsTest, ValueOfAnotherTypeReadsAsTheDefault) {
    const SettingValue wrong[] = {std::string("7"), std::string(), BinaryValue{{7, 0, 0, 0}}};
    for (const SettingValue& value : wrong) {
        for (const IntKey& k : kIntKeys)
            Put(k.section, k.key, value);
        CSettings s = Distinct();
        EXPECT_TRUE(s.Read(store));
        for (const IntKey& k : kIntKeys)
            EXPECT_EQ(k.field(s), k.defaultValue) << k.key;
    }
}

TEST_F(SettingsTest, SeparatorIsOneCharacterReadAndWritten) {
    struct Case {
        const char* name;
        const SettingValue* stored; // null: missing
        char expected;
        const char* written;
    };
    const SettingValue empty = std::string();
    const SettingValue dot = std::string(".");
    const SettingValue space = std::string(" ");
    const SettingValue two = std::string(";;");
    const SettingValue word = std::string("abc");
    const SettingValue highByte = std::string("\xA0");
    const SettingValue nul = std::string(1, '\0');
    const SettingValue nulFirst = std::string("\0x", 2);
    const SettingValue integer = 46;
    const SettingValue binary = BinaryValue{{'.'}};
    const Case cases[] = {
        {"missing", nullptr, ',', ","},
        {"empty", &empty, ',', ","},
        {"dot", &dot, '.', "."},
        {"space", &space, ' ', " "},
        {"two characters", &two, ';', ";"},
        {"three characters", &word, 'a', "a"},
        {"high byte", &highByte, '\xA0', "\xA0"},
        // The platform's string values end at a NUL, so these read as empty.
        {"NUL", &nul, ',', ","},
        {"NUL then text", &nulFirst, ',', ","},
        {"integer value", &integer, ',', ","},
        {"binary value", &binary, ',', ","},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.keys.clear();
        if (c.stored)
            Put("Numbers", "Thousands Separator", *c.stored);
        CSettings s;
        EXPECT_TRUE(s.Read(store));
        EXPECT_EQ(s.numbers.thousandsSeparator, c.expected);

        EXPECT_TRUE(s.Write(store));
        EXPECT_EQ(StoredString("Numbers", "Thousands Separator"), c.written);
    }
}

TEST_F(SettingsTest, FailedWriteIsReportedAndTheOtherKeysAreStillWritten) {
    store.failKey = "Change Limit";
    const CSettings s = Distinct();
    EXPECT_FALSE(s.Write(store));
    EXPECT_EQ(Stored("Saving", "Change Limit"), nullptr);
    EXPECT_NE(Stored("Misc", "Confirm Exit"), nullptr);
    EXPECT_NE(Stored("Numbers", "Thousands Separator"), nullptr);

    store.failKey = "Thousands Separator";
    EXPECT_FALSE(s.Write(store));

    store.failKey.clear();
    store.failWrites = true;
    EXPECT_FALSE(s.Write(store));
}

TEST_F(SettingsTest, OutOfMemoryKeepsWhatWasReadAndDefaultsTheRest) {
    int i = 0;
    for (const IntKey& k : kIntKeys)
        Put(k.section, k.key, 100 + i++);
    Put("Numbers", "Thousands Separator", std::string(";"));
    store.failKey = "Show Day Tip";
    store.outOfMemory = true;

    CSettings s;
    for (const IntKey& k : kIntKeys)
        k.field(s) = -7; // earlier values must not survive a failed read either
    s.numbers.thousandsSeparator = '.';
    EXPECT_FALSE(s.Read(store));
    bool reached = false;
    i = 0;
    for (const IntKey& k : kIntKeys) {
        reached = reached || std::string(k.key) == store.failKey;
        EXPECT_EQ(k.field(s), reached ? k.defaultValue : 100 + i) << k.key;
        ++i;
    }
    EXPECT_EQ(s.numbers.thousandsSeparator, ',');

    store.keys.clear();
    EXPECT_FALSE(s.Write(store));
    EXPECT_NE(Stored("Start Up", "Start Minimized"), nullptr);
    EXPECT_EQ(Stored("Misc", "Confirm Exit"), nullptr);
}

TEST(SettingsNames, SearchTermKeysAreNumberedFromZero) {
    EXPECT_EQ(SearchTermKey(0), "Term0");
    EXPECT_EQ(SearchTermKey(9), "Term9");
}

TEST(FormatCount, UsesTheDefaultsOfTheNumbersSettings) {
    EXPECT_EQ(FormatCount(1234567, CSettings{}.numbers), "1,234,567");
}

} // namespace
} // namespace qv
