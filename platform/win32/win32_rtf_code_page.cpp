#include "win32_rtf_code_page.h"
#include "win32_api.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

namespace qv::platform::win32 {

namespace {

// A font's code page when it names none that decodes: its escapes stay as written.
constexpr int kKeepEscapes = -1;

// Names no character set of its own, so the font's bytes are in the document's code page.
constexpr long kDefaultCharSet = 1;

int CodePageOfCharSet(long charSet) {
    switch (charSet) {
    case 0:
        return 1252;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return kKeepEscapes; // the symbol set and others map no code page
    }
}

// RTF's control words are ASCII letters and digits, whatever the C locale says.
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What a group carries; "{" copies it and "}" brings back the outer one.
struct GroupState {
    long font = -1;    // none selected
    long fallback = 1; // \ucN
    bool fontTable = false;
};

class Rewriter {
  public:
    explicit Rewriter(const std::string& rtf) : in_(rtf) { out_.reserve(rtf.size()); }

    std::string Run() {
        while (i_ < in_.size()) {
            const char c = in_[i_];
            if (c == '{') {
                groups_.push_back(Top());
                out_ += in_[i_++];
            } else if (c == '}') {
                if (groups_.size() > 1)
                    groups_.pop_back();
                out_ += in_[i_++];
            } else if (c == '\\') {
                Control();
            } else {
                out_ += in_[i_++];
            }
        }
        return std::move(out_);
    }

  private:
    GroupState& Top() { return groups_.back(); }

    // The byte of a \'hh escape at position at, or -1 when there is none.
    int EscapedByte(std::size_t at) const {
        if (at + 4 > in_.size())
            return -1;
        if (in_[at] != '\\' || in_[at + 1] != '\'')
            return -1;
        const int high = HexDigit(in_[at + 2]), low = HexDigit(in_[at + 3]);
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    }

    void Control() {
        if (i_ + 1 >= in_.size()) {
            out_ += in_[i_++];
            return;
        }
        const char next = in_[i_ + 1];
        if (next == '\'') {
            Escape();
            return;
        }
        if (!IsLetter(next)) {
            out_.append(in_, i_, 2); // \\, \{, \} and the other control symbols
            i_ += 2;
            return;
        }
        const std::size_t start = i_;
        std::size_t end = i_ + 1;
        while (end < in_.size() && IsLetter(in_[end]))
            ++end;
        const std::string word = in_.substr(i_ + 1, end - i_ - 1);
        bool hasNumber = false;
        long number = 0;
        std::size_t digits = end;
        if (digits < in_.size() && in_[digits] == '-')
            ++digits;
        std::size_t numberEnd = digits;
        while (numberEnd < in_.size() && IsDigit(in_[numberEnd]))
            ++numberEnd;
        if (numberEnd > digits) {
            hasNumber = true;
            number = std::strtol(in_.c_str() + end, nullptr, 10);
            end = numberEnd;
        }
        if (end < in_.size() && in_[end] == ' ')
            ++end; // the delimiter belongs to the word
        out_.append(in_, start, end - start);
        i_ = end;
        Apply(word, hasNumber, number);
    }

    void Apply(const std::string& word, bool hasNumber, long number) {
        if (word == "fonttbl") {
            Top().fontTable = true;
        } else if (word == "f" && hasNumber) {
            Top().font = number;
        } else if (word == "deff" && hasNumber) {
            defaultFont_ = number;
            if (Top().font < 0)
                Top().font = number;
        } else if (word == "plain") {
            Top().font = defaultFont_;
        } else if (word == "fcharset" && hasNumber && Top().fontTable) {
            if (number == kDefaultCharSet)
                fontCodePages_.erase(Top().font); // the document's code page
            else
                fontCodePages_[Top().font] = CodePageOfCharSet(number);
        } else if (word == "cpg" && hasNumber && Top().fontTable) {
            fontCodePages_[Top().font] = static_cast<int>(number);
        } else if (word == "ansicpg" && hasNumber) {
            codePage_ = static_cast<int>(number);
        } else if (word == "uc" && hasNumber && number >= 0) {
            Top().fallback = number;
        } else if (word == "u" && hasNumber) {
            SkipFallback();
        } else if (word == "bin" && hasNumber && number > 0) {
            const std::size_t size = std::min(std::size_t(number), in_.size() - i_);
            out_.append(in_, i_, size); // binary data, never read as RTF
            i_ += size;
        }
    }

    // Copies the fallback of a \uN unchanged: the reader skips it, so it must not be decoded.
    void SkipFallback() {
        for (long left = Top().fallback; left > 0 && i_ < in_.size(); --left) {
            const char c = in_[i_];
            if (c == '{' || c == '}')
                return;
            if (c == '\\' && EscapedByte(i_) >= 0) {
                out_.append(in_, i_, 4);
                i_ += 4;
            } else if (c == '\\') {
                Control(); // a control word or symbol counts as one character
            } else {
                out_ += in_[i_++];
            }
        }
    }

    int CurrentCodePage() const {
        const auto font = fontCodePages_.find(groups_.back().font);
        return font != fontCodePages_.end() ? font->second : codePage_;
    }

    // The trail byte after a lead byte at position at: an escape, a printable character, or an
    // escaped "\", "{" or "}"; its length in the RTF, 0 when there is none.
    std::size_t TrailByte(std::size_t at, int& byte) const {
        if ((byte = EscapedByte(at)) >= 0)
            return 4;
        if (at >= in_.size())
            return 0;
        const char c = in_[at];
        if (c == '\\' && at + 1 < in_.size() &&
            (in_[at + 1] == '\\' || in_[at + 1] == '{' || in_[at + 1] == '}')) {
            byte = static_cast<unsigned char>(in_[at + 1]);
            return 2;
        }
        if (c >= 0x40 && c <= 0x7E && c != '\\' && c != '{' && c != '}') {
            byte = static_cast<unsigned char>(c);
            return 1;
        }
        return 0;
    }

    void Escape() {
        const int byte = EscapedByte(i_);
        const int codePage = CurrentCodePage();
        if (byte < 0 || Top().fontTable || codePage == kKeepEscapes) {
            out_.append(in_, i_, byte < 0 ? 2 : 4);
            i_ += byte < 0 ? 2 : 4;
            return;
        }
        char bytes[2] = {static_cast<char>(byte), 0};
        int count = 1;
        std::size_t length = 4;
        if (IsDBCSLeadByteEx(static_cast<UINT>(codePage), static_cast<BYTE>(byte))) {
            int trail = 0;
            const std::size_t trailLength = TrailByte(i_ + 4, trail);
            if (trailLength == 0) {
                out_.append(in_, i_, 4); // a lead byte alone is no character
                i_ += 4;
                return;
            }
            bytes[1] = static_cast<char>(trail);
            count = 2;
            length += trailLength;
        }
        wchar_t units[2];
        const int made = MultiByteToWideChar(static_cast<UINT>(codePage), MB_ERR_INVALID_CHARS,
                                             bytes, count, units, 2);
        if (made <= 0) {
            out_.append(in_, i_, 4);
            i_ += 4;
            return;
        }
        for (int k = 0; k < made; ++k)
            AppendUnit(units[k]);
        i_ += length;
    }

    // \uN with a signed 16-bit N, followed by as many fallback characters as \ucN asks for.
    void AppendUnit(wchar_t unit) {
        out_ += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(unit)));
        if (Top().fallback == 0)
            out_ += ' ';
        else
            out_.append(std::size_t(Top().fallback), '?');
    }

    const std::string& in_;
    std::string out_;
    std::size_t i_ = 0;
    std::vector<GroupState> groups_{GroupState{}};
    std::map<long, int> fontCodePages_;
    long defaultFont_ = -1;
    int codePage_ = 1252; // what \ansi means when no \ansicpg says otherwise
};

} // namespace

std::string RtfWithUnicodeEscapes(const std::string& rtf) {
    return Rewriter(rtf).Run();
}

} // namespace qv::platform::win32
