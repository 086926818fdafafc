#include "text/fill_marker.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(FillMarker, ReplacesOnlyTheFirstMarkerAndInterpretsNothing) {
    const struct {
        const char* format;
        const char* text;
        const char* filled;
    } cases[] = {
        {"Could not open \"%s\".", "C:\\a.txt", "Could not open \"C:\\a.txt\"."},
        {"%s did not connect", "Quorvane", "Quorvane did not connect"},
        {"of %s", "57", "of 57"},
        {"%s and %s", "one", "one and %s"},
        // What fills the marker is never read as a format, nor is a marker of another kind.
        {"%d %s", "%s%n%x", "%d %s%n%x"},
        {"no marker", "x", "no marker"},
        {"%s", "", ""},
        {"", "x", ""},
        {"%", "x", "%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillMarker(c.format, c.text), c.filled) << c.format;
}

} // namespace
} // namespace qv
