#include "help/text_compare.h"
#include <cstddef>

namespace qv {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Compares the digit runs starting at a[i] and b[j] as numbers and moves both past their run.
// Leading zeros are skipped, so that a run of any length compares without overflow.
int CompareDigitRuns(const std::string& a, std::size_t& i, const std::string& b, std::size_t& j) {
    while (i + 1 < a.size() && a[i] == '0' && IsDigit(a[i + 1]))
        ++i;
    while (j + 1 < b.size() && b[j] == '0' && IsDigit(b[j + 1]))
        ++j;
    std::size_t endA = i, endB = j;
    while (endA < a.size() && IsDigit(a[endA]))
        ++endA;
    while (endB < b.size() && IsDigit(b[endB]))
        ++endB;
    int result = Sign(int(endA - i > endB - j) - int(endA - i < endB - j));
    for (; result == 0 && i < endA; ++i, ++j)
        result = Sign(a[i] - b[j]);
    i = endA;
    j = endB;
    return result;
}

} // namespace

int CTextCompare::Compare(const std::string& a, const std::string& b) const {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t k = 0; k < common; ++k) {
        const int x = static_cast<unsigned char>(LowerAscii(a[k]));
        const int y = static_cast<unsigned char>(LowerAscii(b[k]));
        if (x != y)
            return x - y;
    }
    return Sign(int(a.size() > b.size()) - int(a.size() < b.size()));
}

int CNumberTextCompare::Compare(const std::string& a, const std::string& b) const {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (const int numbers = CompareDigitRuns(a, i, b, j))
                return numbers;
            continue;
        }
        const int x = static_cast<signed char>(LowerAscii(a[i]));
        const int y = static_cast<signed char>(LowerAscii(b[j]));
        if (x != y)
            return x - y;
        ++i;
        ++j;
    }
    const int x = i < a.size() ? static_cast<signed char>(a[i]) : 0;
    const int y = j < b.size() ? static_cast<signed char>(b[j]) : 0;
    return x - y;
}

} // namespace qv
