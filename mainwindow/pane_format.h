// Font and Color: the character format of the contents pane's selection, or of the whole pane
// when nothing is selected, changed through the platform's font and colour choosers.
#pragma once
#include "platform/platform.h"
#include "settings/settings.h"

namespace qv {

class CPaneFormat {
  public:
    // The settings are the window's own: "Show Effects" and "Apply Colors" as they are now.
    CPaneFormat(platform::IPlatform& platform, platform::IDialogWindow& window,
                const CSettings& settings)
        : platform_(platform), window_(window), settings_(settings) {}

    // Cancel in either chooser leaves the pane as it was.
    void ChooseFont();
    void ChooseColour();

  private:
    // The format being edited: the selection's when there is one, else the pane's default.
    platform::CharFormat Read(bool& selection) const;
    void Write(bool selection, const platform::CharFormat& format);

    platform::IPlatform& platform_;
    platform::IDialogWindow& window_;
    const CSettings& settings_;
};

} // namespace qv
