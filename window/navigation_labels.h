// The menu labels of Previous Item and Next Item, which preview the neighbouring item.
#pragma once
#include "platform/services.h"
#include <string>

namespace qv {

constexpr int kPreviousPreviewBudget = 16;
constexpr int kNextPreviewBudget = 21;

// The beginning of a list text cut to about budget characters, ending at a break where one falls
// right, with "..." when cut; tabs shown as spaces.
std::string PreviewCut(const std::string& text, int budget);

// The label of the Previous Item (previous = true) or Next Item entry: plain when preview is
// empty, else with the preview cut to the entry's budget.
std::string NavigationLabel(const platform::IStringResources& strings, bool previous,
                            const std::string& neighbourText);

} // namespace qv
