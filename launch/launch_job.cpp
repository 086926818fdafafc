#include "launch/launch_job.h"
#include "launch/launch_text.h"
#include "text/fill_marker.h"
#include "text/utf8_boundaries.h"
#include <new>

namespace qv {

using platform::ShellOpenResult;

void CLaunchJob::SetTarget(const std::string& text) {
    target_ = LaunchTarget(text);
    parameters_.clear();
}

int CLaunchJob::Run() {
    int result = kNoTarget;
    if (!target_.empty()) {
        const ShellOpenResult opened = platform_.Shell().Execute(target_, parameters_);
        result = opened == ShellOpenResult::Opened ? kOpened : kRefused;
        if (result == kRefused) {
            try {
                platform_.MessageBox(RefusalText(opened), texts_.caption, platform::MsgButtons::Ok,
                                     platform::MsgIcon::Exclamation);
            } catch (const std::bad_alloc&) {
                // Nothing more can be said without memory; the job is free again all the same.
            }
        }
    }
    // Also after an empty target, which would otherwise keep the job from ever being reused.
    idle_.store(true);
    return result;
}

std::string CLaunchJob::RefusalText(ShellOpenResult result) const {
    return FillMarker(RefusalFormat(result), std::string_view(target_).substr(
                                                 0, CharactersPrefix(target_, kLaunchTextLimit)));
}

const std::string& CLaunchJob::RefusalFormat(ShellOpenResult result) const {
    switch (result) {
    case ShellOpenResult::FileNotFound:
        return texts_.fileNotFound;
    case ShellOpenResult::AccessDenied:
        return texts_.accessDenied;
    case ShellOpenResult::OutOfMemory:
        return texts_.outOfMemory;
    case ShellOpenResult::NoAssociation:
        return texts_.noAssociation;
    case ShellOpenResult::Opened:
    case ShellOpenResult::Refused:
        break;
    }
    return texts_.cannotOpen;
}

} // namespace qv
