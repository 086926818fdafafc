#include "options/options_sheet.h"
#include "options/active_page_recorder.h"
#include "options/misc_page.h"
#include "options/numbers_page.h"
#include "options/saving_page.h"
#include "options/searching_page.h"
#include "options/start_up_page.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include <iterator>
#include <memory>
#include <vector>

namespace qv {

namespace {

struct PageRow {
    int templateId;
    std::unique_ptr<COptionsPage> (*make)(OptionsContext& context);
};

template <class Page> std::unique_ptr<COptionsPage> Make(OptionsContext& context) {
    return std::make_unique<Page>(context);
}

// The pages in the order the sheet shows them: adding a page adds its row here.
// clang-format off
constexpr PageRow kPages[] = {
    {IDD_OPTIONS_START_UP, Make<CStartUpPage>},
    {IDD_OPTIONS_SAVING, Make<CSavingPage>},
    {IDD_OPTIONS_SEARCHING, Make<CSearchingPage>},
    {IDD_OPTIONS_NUMBERS, Make<CNumbersPage>},
    {IDD_OPTIONS_MISC, Make<CMiscPage>},
};
// clang-format on

} // namespace

int COptionsSheet::PageOf(int templateId) {
    for (int i = 0; i < PageCount(); ++i)
        if (kPages[i].templateId == templateId)
            return i;
    return -1;
}

int COptionsSheet::PageCount() {
    return static_cast<int>(std::size(kPages));
}

bool COptionsSheet::Run(platform::WindowRef owner, CSettings& settings) {
    CSettings values = settings;
    OptionsContext context{values, host_, platform_.Strings(), programName_};
    std::vector<std::unique_ptr<COptionsPage>> pages;
    std::vector<std::unique_ptr<CActivePageRecorder>> recorders;
    platform::SheetContents sheet;
    sheet.caption = platform_.Strings().Load(IDS_OPTIONS_CAPTION);
    for (const PageRow& row : kPages) {
        pages.push_back(row.make(context));
        recorders.push_back(std::make_unique<CActivePageRecorder>(
            *pages.back(), static_cast<int>(recorders.size()), rememberedPage_));
        sheet.pages.push_back({&ProgramDialog(row.templateId), recorders.back().get()});
    }
    sheet.owner = owner;
    sheet.startPage = rememberedPage_;
    const platform::SheetResult result = platform_.RunPropertySheet(sheet);
    if (!result.failed)
        rememberedPage_ = result.activePage;
    if (!result.ok)
        return false;
    // The Tip of the Day's place is not the sheet's to set.
    values.dayTipIndex = settings.dayTipIndex;
    settings = values;
    return true;
}

} // namespace qv
