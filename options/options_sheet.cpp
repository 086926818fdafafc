#include "options/options_sheet.h"
#include "options/misc_page.h"
#include "options/numbers_page.h"
#include "options/saving_page.h"
#include "options/searching_page.h"
#include "options/start_up_page.h"
#include "resource.h"
#include "resources/resource_tables.h"

namespace qv {

bool COptionsSheet::Run(platform::WindowRef owner, CSettings& settings) {
    CSettings values = settings;
    OptionsContext context{values, host_, platform_.Strings(), programName_};
    CStartUpPage startUp(kStartUp, rememberedPage_, context);
    CSavingPage saving(kSaving, rememberedPage_, context);
    CSearchingPage searching(kSearching, rememberedPage_, context);
    CNumbersPage numbers(kNumbers, rememberedPage_, context);
    CMiscPage misc(kMisc, rememberedPage_, context);

    platform::SheetContents sheet;
    sheet.caption = platform_.Strings().Load(IDS_OPTIONS_CAPTION);
    sheet.pages = {{&ProgramDialog(IDD_OPTIONS_START_UP), &startUp},
                   {&ProgramDialog(IDD_OPTIONS_SAVING), &saving},
                   {&ProgramDialog(IDD_OPTIONS_SEARCHING), &searching},
                   {&ProgramDialog(IDD_OPTIONS_NUMBERS), &numbers},
                   {&ProgramDialog(IDD_OPTIONS_MISC), &misc}};
    sheet.owner = owner;
    sheet.startPage = rememberedPage_;
    if (!platform_.RunPropertySheet(sheet).ok)
        return false;
    // The Tip of the Day's place is not the sheet's to set.
    values.dayTipIndex = settings.dayTipIndex;
    settings = values;
    return true;
}

} // namespace qv
