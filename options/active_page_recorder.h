// A page's events as the sheet hands them to the platform: passed on unchanged, and a page made
// active is recorded as the sheet's remembered page, so that a sheet opened meanwhile (a failed
// read during Load) starts where the user is.
#pragma once
#include "platform/window.h"

namespace qv {

class CActivePageRecorder final : public platform::IPageEvents {
  public:
    CActivePageRecorder(platform::IPageEvents& page, int index, int& rememberedPage)
        : page_(page), index_(index), rememberedPage_(rememberedPage) {}

    bool OnInitDialog(platform::IDialogWindow& window) override {
        return page_.OnInitDialog(window);
    }
    void OnCommand(int id, int notifyCode) override { page_.OnCommand(id, notifyCode); }
    void OnNotify(const platform::NotifyEvent& event) override { page_.OnNotify(event); }
    void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        page_.OnPosted(message, wParam, lParam);
    }
    void OnTimer(unsigned timerId) override { page_.OnTimer(timerId); }
    void OnClose() override { page_.OnClose(); }
    void OnCancel() override { page_.OnCancel(); }
    void OnDestroy() override { page_.OnDestroy(); }
    void OnSetActive() override {
        rememberedPage_ = index_;
        page_.OnSetActive();
    }
    bool OnApply() override { return page_.OnApply(); }

  private:
    platform::IPageEvents& page_;
    const int index_;
    int& rememberedPage_;
};

} // namespace qv
