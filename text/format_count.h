// The digits of a count, grouped by threes with the user's separator.
#pragma once
#include <string>

namespace qv {

// How counts are written: the two "Numbers" settings.
struct CNumberFormat {
    int useThousandsSep = 1; // 0 off, anything else on
    char thousandsSeparator = ',';
};

// "1,234,567" style text of n; with the separator off, plain digits. A minus sign leads negative
// numbers, and no separator ever stands first.
std::string FormatCount(int n, const CNumberFormat& format);

} // namespace qv
