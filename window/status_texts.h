// The three counts of the main window: characters in the pane, selected items and items, with
// the user's digit grouping.
#pragma once
#include "platform/services.h"
#include "platform/window.h"
#include "text/format_count.h"

namespace qv {

class CStatusTexts {
  public:
    // The format is the settings' own, so a changed separator shows at the next refresh.
    CStatusTexts(platform::IDialogWindow& window, const platform::IStringResources& strings,
                 const CNumberFormat& format)
        : window_(window), strings_(strings), format_(format) {}

    void ShowCharCount();
    void ShowSelectedCount();
    void ShowItemCount();

  private:
    // "1 <one>" or "<n with separators><many>"; empty when the platform reported an error.
    std::string CountText(long long n, int oneId, int manyId) const;

    platform::IDialogWindow& window_;
    const platform::IStringResources& strings_;
    const CNumberFormat& format_;
};

} // namespace qv
