// What every page of the Options sheet shares: its window once made, and its values read on Apply
// and OK. Which page is shown is the sheet's business, not the page's.
#pragma once
#include "platform/window.h"

namespace qv {

class COptionsPage : public platform::IPageEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow& window) override {
        window_ = &window;
        Init();
        return true;
    }
    void OnCommand(int /*id*/, int /*notifyCode*/) override {}
    // The page's values are read from its controls on Apply and OK.
    bool OnApply() override {
        if (window_)
            Read();
        return true;
    }
    // The sheet handles Esc and its close box.
    void OnClose() override {}
    void OnDestroy() override { window_ = nullptr; }

  protected:
    virtual void Init() = 0;
    virtual void Read() = 0;
    platform::IDialogWindow& Window() const { return *window_; }

  private:
    platform::IDialogWindow* window_ = nullptr;
};

} // namespace qv
