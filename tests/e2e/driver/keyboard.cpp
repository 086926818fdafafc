#include "keyboard.h"
#include "remote.h"
#include <vector>

namespace qv::e2e {

namespace {

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool Send(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpFor(60); // let the target process the keys before the next step reads its state
    return sent == inputs.size();
}

} // namespace

bool PressKey(WORD key, WORD modifier) {
    std::vector<INPUT> inputs;
    if (modifier)
        inputs.push_back(Key(modifier, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (modifier)
        inputs.push_back(Key(modifier, true));
    return Send(inputs);
}

bool TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            return false;
        const bool shift = (scan & 0x100) != 0;
        if (!PressKey(static_cast<WORD>(scan & 0xFF), shift ? VK_SHIFT : 0))
            return false;
    }
    return true;
}

bool TypeUnicode(const std::wstring& text) {
    for (wchar_t unit : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = unit;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        if (!Send({down, up}))
            return false;
    }
    return true;
}

} // namespace qv::e2e
