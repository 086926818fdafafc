// What every page of the Options sheet shares: its window once made, and telling the sheet's
// remembered page that it is the one shown.
#pragma once
#include "platform/window.h"

namespace qv {

class COptionsPage : public platform::IPageEvents {
  public:
    // rememberedPage outlives the sheet: the next sheet starts on the page shown last.
    COptionsPage(int index, int& rememberedPage) : index_(index), rememberedPage_(rememberedPage) {}

    bool OnInitDialog(platform::IDialogWindow& window) override {
        window_ = &window;
        Init();
        return true;
    }
    void OnCommand(int /*id*/, int /*notifyCode*/) override {}
    void OnSetActive() override { rememberedPage_ = index_; }
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
    const int index_;
    int& rememberedPage_;
    platform::IDialogWindow* window_ = nullptr;
};

} // namespace qv
