#include "text/format_count.h"

namespace qv {

std::string FormatCount(int n, const CNumberFormat& format) {
    // Ten digits, three separators and a sign fit with room to spare.
    char buffer[60];
    char* const end = buffer + sizeof buffer;
    char* p = end;

    // The magnitude in unsigned arithmetic, so that the most negative int has one too.
    unsigned v = static_cast<unsigned>(n);
    if (n < 0)
        v = 0u - v;

    const bool grouping = format.useThousandsSep != 0;
    int group = 0;
    bool separatorLast = false;
    while (v > 0) {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
        separatorLast = false;
        if (grouping && ++group == 3) {
            *--p = format.thousandsSeparator;
            separatorLast = true;
            group = 0;
        }
    }
    // Tracked rather than compared: the separator may be a digit, which must not be dropped.
    if (separatorLast)
        ++p;
    if (p == end)
        *--p = '0';
    if (n < 0)
        *--p = '-';
    return std::string(p, end);
}

} // namespace qv
