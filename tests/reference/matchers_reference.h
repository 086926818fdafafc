// Plain reference versions of the two matchers, written for clarity only: every start position
// is tried, characters are read through a bounds-checked helper, nothing is skipped. Tests and the
// differential fuzz target compare the real matchers against them.
#pragma once
#include <cstddef>
#include <string>

namespace qv::reference {

struct MatchResult {
    bool found = false;
    int typoCount = 0; // corrections counted by the last start position tried
};

// The strings as the matchers see them: zero-terminated, so a zero byte ends them.
inline std::string AsCString(const std::string& s) {
    return std::string(s.c_str());
}

// s[i], or 0 (the end) at and beyond its size.
inline unsigned char CharAt(const std::string& s, std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

inline bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

inline unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 'a' + 'A');
    return c;
}

inline bool Equal(unsigned char a, unsigned char b) {
    return Upper(a) == Upper(b);
}

inline bool Fits(unsigned char x, unsigned char y) {
    if (Equal(x, y))
        return true;
    if (y == 0)
        return true;
    return IsBlank(y) && (IsBlank(x) || x == 0);
}

inline MatchResult ExactMatch(const std::string& rawText, const std::string& rawPattern) {
    const std::string text = AsCString(rawText);
    const std::string pattern = AsCString(rawPattern);
    MatchResult result;
    if (text.empty()) {
        result.found = pattern.empty();
        return result;
    }
    if (pattern.empty())
        return result;
    for (std::size_t s = 0; s < text.size(); ++s) {
        std::size_t i = s;
        std::size_t j = 0;
        while (CharAt(text, i) != 0 && CharAt(pattern, j) != 0) {
            if (CharAt(pattern, j) == ' ') {
                while (IsBlank(CharAt(text, i)))
                    i++;
                j++;
            } else if (Equal(CharAt(text, i), CharAt(pattern, j))) {
                i++;
                j++;
            } else {
                break;
            }
        }
        if (CharAt(pattern, j) == 0) {
            result.found = true;
            return result;
        }
    }
    return result;
}

inline int ClampSeparation(int separation) {
    if (separation < 1 || separation > 9)
        return 2;
    return separation;
}

inline MatchResult TypoMatch(const std::string& rawText, const std::string& rawPattern,
                             int separation) {
    const std::string text = AsCString(rawText);
    const std::string pattern = AsCString(rawPattern);
    const int S = ClampSeparation(separation);
    MatchResult result;
    if (text.empty()) {
        result.found = pattern.empty();
        return result;
    }
    if (pattern.empty())
        return result;
    const bool isLong = pattern.size() >= 2;
    for (std::size_t s = 0; s < text.size(); ++s) {
        std::size_t i = s;
        std::size_t j = 0;
        int run = 9;
        int typos = 0;
        while (CharAt(pattern, j) != 0) {
            if (CharAt(pattern, j) == ' ') {
                if (run >= S && !IsBlank(CharAt(text, i)) && IsBlank(CharAt(text, i + 1))) {
                    typos++;
                    i++;
                }
                bool passedBlank = false;
                while (IsBlank(CharAt(text, i))) {
                    i++;
                    passedBlank = true;
                }
                if (!passedBlank)
                    typos++;
                run = 9;
                j++;
            } else if (Equal(CharAt(text, i), CharAt(pattern, j))) {
                run++;
                i++;
                j++;
            } else {
                if (!isLong || run < S)
                    break;
                const unsigned char d = CharAt(text, i);
                const unsigned char e = CharAt(pattern, j);
                const unsigned char f = CharAt(text, i + 1);
                const unsigned char g = CharAt(pattern, j + 1);
                // CharAt already reads the end beyond the end, so i + 2 and j + 2 are safe.
                const unsigned char text2 = CharAt(text, i + 2);
                const unsigned char pattern2 = CharAt(pattern, j + 2);
                if (Equal(d, g) && Equal(f, e) && Fits(text2, pattern2)) {
                    i += 2;
                    j += 2;
                    run = 0;
                } else if (Equal(f, e) && Fits(text2, g)) {
                    i += 2;
                    j += 1;
                    run = 1;
                } else if (Equal(d, g) && Fits(f, pattern2)) {
                    i += 1;
                    j += 2;
                    run = 1;
                } else if (Fits(f, g)) {
                    i += 1;
                    j += 1;
                    run = 0;
                } else {
                    break;
                }
                typos++;
            }
            if (CharAt(text, i) == 0)
                break;
        }
        result.typoCount = typos;
        if (CharAt(pattern, j) == 0) {
            result.found = true;
            return result;
        }
        if (isLong && run >= S && CharAt(pattern, j + 1) == 0 &&
            (IsBlank(CharAt(text, i)) || CharAt(text, i) == 0)) {
            result.typoCount = typos + 1;
            result.found = true;
            return result;
        }
    }
    return result;
}

} // namespace qv::reference
