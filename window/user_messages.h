// The main window's message boxes and the texts they need.
#pragma once
#include "platform/services.h"
#include "platform/window.h"
#include <string>

namespace qv {

// What the program must be able to show whatever happens later, loaded once at start-up: the
// program's name (the caption of its message boxes) and the out-of-memory message.
struct ProgramTexts {
    std::string name;
    std::string outOfMemory;

    static ProgramTexts Load(const platform::IStringResources& strings);
};

class CUserMessages {
  public:
    CUserMessages(platform::IDialogWindow& window, const platform::IStringResources& strings,
                  const ProgramTexts& texts)
        : window_(window), strings_(strings), texts_(texts) {}

    // A text of the string table.
    std::string Text(int id) const { return strings_.Load(id); }
    const std::string& ProgramName() const { return texts_.name; }

    // A message box captioned with the program's name: a text of the string table, or any text.
    platform::MsgResult Show(int textId, platform::MsgButtons buttons, platform::MsgIcon icon) {
        return ShowText(Text(textId), buttons, icon);
    }
    platform::MsgResult ShowText(const std::string& text, platform::MsgButtons buttons,
                                 platform::MsgIcon icon);
    // A message with only an OK button and a caption of its own, both texts of the string table.
    void ShowCaptioned(int textId, int captionId, platform::MsgIcon icon);
    // Needs no memory beyond what the platform's message box takes.
    void ShowOutOfMemory();

  private:
    platform::IDialogWindow& window_;
    const platform::IStringResources& strings_;
    const ProgramTexts& texts_;
};

} // namespace qv
