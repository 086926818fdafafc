#include "settings/settings.h"
#include "settings/settings_names.h"
#include <new>
#include <string>

namespace qv {
namespace {

struct IntKey {
    const char* section;
    const char* key;
    int CSettings::*member;
};

// The integer keys in store order; the separator's string key sits between the two runs.
constexpr IntKey kBeforeSeparator[] = {
    {kSectionSaving, kKeyChangeLimit, &CSettings::changeLimit},
    {kSectionSearching, kKeyUseFirstFound, &CSettings::useFirstFound},
    {kSectionSearching, kKeyAllowTypos, &CSettings::allowTypos},
    {kSectionSearching, kKeySeparation, &CSettings::separation},
    {kSectionStartUp, kKeyRestoreWndPlacement, &CSettings::restoreWndPlacement},
    {kSectionStartUp, kKeyStartMinimized, &CSettings::startMinimized},
    {kSectionStartUp, kKeyShowDayTip, &CSettings::showDayTip},
    {kSectionStartUp, kKeyDayTipIndex, &CSettings::dayTipIndex},
};

constexpr IntKey kAfterSeparator[] = {
    {kSectionMisc, kKeyApplyColors, &CSettings::applyColors},
    {kSectionMisc, kKeyShowEffects, &CSettings::showEffects},
    {kSectionMisc, kKeyUseLimit, &CSettings::useLimit},
    {kSectionMisc, kKeyHistoryLimit, &CSettings::historyLimit},
    {kSectionMisc, kKeyConfirmExit, &CSettings::confirmExit},
};

constexpr char kDefaultSeparator = ',';

// An empty value means the default comma. A leading NUL counts as empty too: the platform's
// string values end at the first NUL, and a NUL separator would cut every count text short.
char SeparatorFromStored(const std::string& stored) {
    return stored.empty() || stored[0] == '\0' ? kDefaultSeparator : stored[0];
}

} // namespace

bool CSettings::Read(platform::ISettingsStore& store) {
    const CSettings defaults;
    *this = defaults;
    try {
        for (const IntKey& k : kBeforeSeparator)
            this->*k.member = store.GetInt(k.section, k.key, defaults.*k.member);
        numbers.useThousandsSep =
            store.GetInt(kSectionNumbers, kKeyUseThousandsSep, defaults.numbers.useThousandsSep);
        numbers.thousandsSeparator = SeparatorFromStored(
            store.GetString(kSectionNumbers, kKeyThousandsSeparator,
                            std::string(1, defaults.numbers.thousandsSeparator)));
        for (const IntKey& k : kAfterSeparator)
            this->*k.member = store.GetInt(k.section, k.key, defaults.*k.member);
        // A limit below one would trim every line, the new capture included.
        if (historyLimit < 1)
            historyLimit = defaults.historyLimit;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CSettings::Write(platform::ISettingsStore& store) const {
    bool ok = true;
    try {
        for (const IntKey& k : kBeforeSeparator)
            ok = store.WriteInt(k.section, k.key, this->*k.member) && ok;
        ok = store.WriteInt(kSectionNumbers, kKeyUseThousandsSep, numbers.useThousandsSep) && ok;
        ok = store.WriteString(kSectionNumbers, kKeyThousandsSeparator,
                               std::string(1, numbers.thousandsSeparator)) &&
             ok;
        for (const IntKey& k : kAfterSeparator)
            ok = store.WriteInt(k.section, k.key, this->*k.member) && ok;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return ok;
}

} // namespace qv
