// Incoming RTF with its code-page bytes made Unicode escapes, in the code page the RTF names.
#include "win32/win32_rtf_code_page.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

namespace pw = platform::win32;

TEST(RtfWithUnicodeEscapes, DecodesEachEscapeInTheCodePageInForceAndKeepsAllElse) {
    const struct {
        const char* what;
        std::string rtf, rewritten;
    } cases[] = {
        {"as WordPad writes: the euro sign of 1252, CJK already as \\u",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\f0\\fs20 "
         "plain {\\b bold} \\'80 and \\u20013?\\u25991?\\par}",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\f0\\fs20 "
         "plain {\\b bold} \\u8364? and \\u20013?\\u25991?\\par}"},
        {"the header's code page when the font names none",
         "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0}", "{\\rtf1\\ansi\\ansicpg1251 \\u1055?\\u1088?}"},
        {"\\ansi alone means 1252", "{\\rtf1\\ansi caf\\'e9}", "{\\rtf1\\ansi caf\\u233?}"},
        {"the font's character set wins, within its group",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}"
         "\\f0\\'e9{\\f1\\'e9}\\'e9}",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}"
         "\\f0\\u233?{\\f1\\u1081?}\\u233?}"},
        {"the default character set is the header's code page",
         "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 A;}}\\f0\\'cf}",
         "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 A;}}\\f0\\u1055?}"},
        {"the default font until another is chosen, and again after \\plain",
         "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}"
         "\\'e9\\f0\\'e9\\plain\\'e9}",
         "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}"
         "\\u1081?\\f0\\u233?\\plain\\u1081?}"},
        {"Shift-JIS pairs, the trail byte escaped, as a character or as \\\\",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset128 "
         "G;}}\\f0\\'93\\'fa\\'96\\'7b\\'83\\\\\\'96{"
         "\\'93}",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset128 G;}}\\f0\\u26085?\\u26412?\\u12477?\\'96{"
         "\\'93}"},
        {"a Korean pair beyond 0x7FFF is a negative N", "{\\rtf1\\ansi\\ansicpg949 \\'b0\\'a1}",
         "{\\rtf1\\ansi\\ansicpg949 \\u-21504?}"},
        {"a lone lead byte at the end stays", "{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'d6",
         "{\\rtf1\\ansi\\ansicpg936 \\u20013?\\'d6"},
        {"font names stay as written",
         "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0 "
         "x}",
         "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0 "
         "x}"},
        {"a symbol font's bytes stay",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset2 Symbol;}}\\f1\\'b7\\f0\\'b7}",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset2 "
         "Symbol;}}\\f1\\'b7\\f0\\u183?}"},
        {"the fallback of \\u is kept, as many as \\uc says; new escapes follow \\uc",
         "{\\rtf1\\ansi\\uc2 \\u8364\\'80\\'80 \\'80}",
         "{\\rtf1\\ansi\\uc2 \\u8364\\'80\\'80 \\u8364??}"},
        {"\\uc0: no fallback, the number ends with a space", "{\\rtf1\\ansi\\uc0\\u8364 \\'80.}",
         "{\\rtf1\\ansi\\uc0\\u8364 \\u8364 .}"},
        {"\\uc ends with its group", "{\\rtf1\\ansi{\\uc2 x}\\u8364?\\'80}",
         "{\\rtf1\\ansi{\\uc2 x}\\u8364?\\u8364?}"},
        {"escaped backslash and braces are no escapes", "{\\rtf1\\ansi \\\\'80 \\{\\'80\\}}",
         "{\\rtf1\\ansi \\\\'80 \\{\\u8364?\\}}"},
        {"binary data is skipped whole, braces in it too",
         "{\\rtf1\\ansi{\\pict\\bin6 \\'80}{}\\'80}",
         "{\\rtf1\\ansi{\\pict\\bin6 \\'80}{}\\u8364?}"},
        {"no escapes, no change", "{\\rtf1\\ansi plain {\\b bold}\\par}",
         "{\\rtf1\\ansi plain {\\b bold}\\par}"},
        {"an escape without two hex digits stays", "{\\rtf1\\ansi \\'8g \\'8",
         "{\\rtf1\\ansi \\'8g \\'8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pw::RtfWithUnicodeEscapes(c.rtf), c.rewritten) << c.what;
}

} // namespace
} // namespace qv::win32test
