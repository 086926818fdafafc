#include "help/static_link.h"

namespace qv {

void CStaticLink::Attach(platform::ILink& view, int controlId) {
    view_ = &view;
    controlId_ = controlId;
    view_->SetLinkColour(colour_);
}

bool CStaticLink::Open(platform::IShell& shell) {
    if (target_.empty() || !shell.Open(target_))
        return false;
    colour_ = kVisited;
    if (view_)
        view_->SetLinkColour(colour_);
    return true;
}

void CStaticLink::Follow(platform::IShell& shell, const platform::IStringResources& strings) {
    if (Open(shell))
        return;
    target_ = view_ ? view_->GetText() : std::string();
    if (Open(shell))
        return;
    target_ = strings.Load(controlId_);
    if (Open(shell))
        return;
    shell.Beep();
}

} // namespace qv
