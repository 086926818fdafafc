// Dialog events passed on unchanged to another handler: the base of a wrapper that adds to a few
// of them and leaves the rest alone.
#pragma once
#include "platform/window.h"

namespace qv::platform {

template <class Events> class ForwardedEvents : public Events {
  public:
    explicit ForwardedEvents(Events& target) : target_(target) {}

    bool OnInitDialog(IDialogWindow& window) override { return target_.OnInitDialog(window); }
    void OnCommand(int id, int notifyCode) override { target_.OnCommand(id, notifyCode); }
    void OnNotify(const NotifyEvent& event) override { target_.OnNotify(event); }
    void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        target_.OnPosted(message, wParam, lParam);
    }
    void OnTimer(unsigned timerId) override { target_.OnTimer(timerId); }
    void OnClose() override { target_.OnClose(); }
    void OnCancel() override { target_.OnCancel(); }
    void OnDestroy() override { target_.OnDestroy(); }

  protected:
    Events& Target() const { return target_; }

  private:
    Events& target_;
};

} // namespace qv::platform
