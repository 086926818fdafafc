// A page's events as the sheet hands them to the platform: passed on unchanged, and a page made
// active is recorded as the sheet's remembered page, so that a sheet opened meanwhile (a failed
// read during Load) starts where the user is.
#pragma once
#include "platform/forwarded_events.h"

namespace qv {

class CActivePageRecorder final : public platform::ForwardedEvents<platform::IPageEvents> {
  public:
    CActivePageRecorder(platform::IPageEvents& page, int index, int& rememberedPage)
        : ForwardedEvents(page), index_(index), rememberedPage_(rememberedPage) {}

    void OnSetActive() override {
        rememberedPage_ = index_;
        Target().OnSetActive();
    }
    bool OnApply() override { return Target().OnApply(); }

  private:
    const int index_;
    int& rememberedPage_;
};

} // namespace qv
