#include "settings/settings_names.h"

namespace qv {

std::string SearchTermKey(int index) {
    return "Term" + std::to_string(index);
}

} // namespace qv
