// A window's system menu, as handed out by GetSystemMenu.
#pragma once
#include "platform/window.h"
#include "win32_api.h"

namespace qv::platform::win32 {

class SystemMenuView : public ISystemMenu {
  public:
    void Attach(HMENU menu) { menu_ = menu; }
    HMENU Menu() const { return menu_; }
    void EnableByPosition(int position, bool enable) override;
    void RemoveByPosition(int position) override;
    void AppendSeparator() override;
    void AppendItem(unsigned command, const std::string& text, MenuState state) override;
    void Enable(unsigned command, bool enable) override;
    void Check(unsigned command, bool check) override;
    // Changes the label only; the entry keeps its checked or greyed state.
    void SetItemText(unsigned command, const std::string& text) override;

  private:
    HMENU menu_ = nullptr;
};

} // namespace qv::platform::win32
