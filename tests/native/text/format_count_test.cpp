#include "text/format_count.h"
#include <climits>
#include <gtest/gtest.h>

namespace qv {
namespace {

struct CountCase {
    int n;
    int useSeparator;
    char separator;
    const char* expected;
};

TEST(FormatCount, GroupsDigitsByThrees) {
    const CountCase cases[] = {
        {0, 1, ',', "0"},
        {7, 1, ',', "7"},
        {999, 1, ',', "999"},
        {1000, 1, ',', "1,000"},
        {100000, 1, ',', "100,000"},
        {1234567, 1, ',', "1,234,567"},
        {INT_MAX, 1, ',', "2,147,483,647"},
        {32767, 1, '.', "32.767"},
        {32767, 1, ' ', "32 767"},
        {1234567, 1, '\xA0',
         "1\xA0"
         "234\xA0"
         "567"},
        // Any non-zero flag is on.
        {1234, 2, ',', "1,234"},
        {1234, -1, ',', "1,234"},
        // Separator off.
        {1234567, 0, ',', "1234567"},
        {0, 0, ',', "0"},
        {-1234, 0, ',', "-1234"},
        // Negative numbers.
        {-1, 1, ',', "-1"},
        {-999, 1, ',', "-999"},
        {-1234, 1, ',', "-1,234"},
        {-100000, 1, ',', "-100,000"},
        {INT_MIN, 1, ',', "-2,147,483,648"},
        {INT_MIN, 0, ',', "-2147483648"},
        // A digit as separator: only a separator written last is dropped, never a digit.
        {12, 1, '5', "12"},
        {12, 1, '1', "12"},
        {5, 1, '5', "5"},
        {512, 1, '5', "512"},
        {1234, 1, '5', "15234"},
        {-512, 1, '5', "-512"},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "n=" << c.n << " use=" << c.useSeparator << " sep='" << c.separator << "'");
        EXPECT_EQ(FormatCount(c.n, CNumberFormat{c.useSeparator, c.separator}), c.expected);
    }
}

} // namespace
} // namespace qv
