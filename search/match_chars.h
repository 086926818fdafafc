// The character rules shared by the matchers: blanks, ASCII-only upper-casing and the fits test.
#pragma once

namespace qv::match {

// Space, tab, line feed and carriage return; no other byte.
inline bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Only the 26 ASCII letters fold; accented letters compare exactly.
inline unsigned char Upper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

inline bool Same(unsigned char a, unsigned char b) {
    return Upper(a) == Upper(b);
}

// Whether text character x can stand where pattern character y is expected (0 is an end).
inline bool Fits(unsigned char x, unsigned char y) {
    return Same(x, y) || y == 0 || (IsBlank(y) && (IsBlank(x) || x == 0));
}

} // namespace qv::match
