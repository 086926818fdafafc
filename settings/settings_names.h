// Section and key names of the program's branch of the per-user settings store, in one place so
// that every reader and writer addresses the same values.
#pragma once
#include <string>

namespace qv {

// The maker key under "Software"; the program name below it comes from the application title.
constexpr char kSettingsCompany[] = "Harrowmere Software";

constexpr char kSectionSaving[] = "Saving";
constexpr char kSectionSearching[] = "Searching";
constexpr char kSectionStartUp[] = "Start Up";
constexpr char kSectionNumbers[] = "Numbers";
constexpr char kSectionMisc[] = "Misc";
constexpr char kSectionPlacement[] = "Placement";

constexpr char kKeyChangeLimit[] = "Change Limit";
constexpr char kKeyUseFirstFound[] = "Use First Found";
constexpr char kKeyAllowTypos[] = "Allow Typos";
constexpr char kKeySeparation[] = "Separation";
constexpr char kKeyRestoreWndPlacement[] = "Restore Wnd Placement";
constexpr char kKeyStartMinimized[] = "Start Minimized";
constexpr char kKeyShowDayTip[] = "Show Day Tip";
constexpr char kKeyDayTipIndex[] = "Day Tip Index";
constexpr char kKeyUseThousandsSep[] = "Use Thousands Sep";
constexpr char kKeyThousandsSeparator[] = "Thousands Separator";
constexpr char kKeyApplyColors[] = "Apply Colors";
constexpr char kKeyShowEffects[] = "Show Effects";
constexpr char kKeyUseLimit[] = "Use Limit";
constexpr char kKeyHistoryLimit[] = "History Limit";
constexpr char kKeyConfirmExit[] = "Confirm Exit";

// Window placement, section kSectionPlacement: flags, show state and the normal rectangle.
constexpr char kKeyPlacementFlags[] = "Flags";
constexpr char kKeyPlacementShowCmd[] = "ShowCmd";
constexpr char kKeyPlacementLeft[] = "x1";
constexpr char kKeyPlacementTop[] = "y1";
constexpr char kKeyPlacementRight[] = "x2";
constexpr char kKeyPlacementBottom[] = "y2";

// A remembered search term's key in kSectionSearching: "Term" followed by its number.
std::string SearchTermKey(int index);

} // namespace qv
