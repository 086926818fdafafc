#include "headless_platform.h"

namespace qv::platform::headless {

std::unique_ptr<HeadlessDialog> HeadlessPlatform::OpenDialog(int templateId,
                                                             IDialogEvents& events) {
    auto dialog = std::make_unique<HeadlessDialog>(*this, templateId, NewWindowRef());
    dialog->events = &events;
    events.OnInitDialog(*dialog);
    return dialog;
}

void HeadlessPlatform::CloseDialog(std::unique_ptr<HeadlessDialog> dialog) {
    if (dialog && dialog->events)
        dialog->events->OnDestroy();
}

int HeadlessPlatform::RunModalDialog(int templateId, IDialogEvents& events) {
    auto dialog = OpenDialog(templateId, events);
    if (!quitRequested && !dialog->ended && script)
        script(*dialog);
    const int result = dialog->endResult;
    CloseDialog(std::move(dialog));
    return result;
}

} // namespace qv::platform::headless
