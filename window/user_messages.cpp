#include "window/user_messages.h"
#include "resource.h"

namespace qv {

ProgramTexts ProgramTexts::Load(const platform::IStringResources& strings) {
    return ProgramTexts{strings.Load(IDS_APP_TITLE), strings.Load(IDS_OUT_OF_MEMORY)};
}

platform::MsgResult CUserMessages::ShowText(const std::string& text, platform::MsgButtons buttons,
                                            platform::MsgIcon icon) {
    return window_.MessageBox(text, texts_.name, buttons, icon);
}

void CUserMessages::ShowCaptioned(int textId, int captionId, platform::MsgIcon icon) {
    window_.MessageBox(Text(textId), Text(captionId), platform::MsgButtons::Ok, icon);
}

void CUserMessages::ShowOutOfMemory() {
    ShowText(texts_.outOfMemory, platform::MsgButtons::Ok, platform::MsgIcon::Stop);
}

} // namespace qv
