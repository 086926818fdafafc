#include "history/data_file_reader.h"
#include "history/ascii_text.h"
#include "history/data_file_format.h"
#include "history/plain_text.h"
#include "platform/services.h"
#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

namespace qv {

namespace {

class Cursor {
  public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Left() const { return bytes_.size() - pos_; }

    bool ReadU8(std::uint8_t& value) {
        if (Left() < 1)
            return false;
        value = Byte(0);
        pos_ += 1;
        return true;
    }

    bool ReadU16(std::uint16_t& value) {
        if (Left() < 2)
            return false;
        value = std::uint16_t(Byte(0) | (Byte(1) << 8));
        pos_ += 2;
        return true;
    }

    bool ReadU32(std::uint32_t& value) {
        if (Left() < 4)
            return false;
        value = std::uint32_t(Byte(0)) | std::uint32_t(Byte(1)) << 8 |
                std::uint32_t(Byte(2)) << 16 | std::uint32_t(Byte(3)) << 24;
        pos_ += 4;
        return true;
    }

    bool ReadI32(std::int32_t& value) {
        std::uint32_t raw = 0;
        if (!ReadU32(raw))
            return false;
        value = raw <= 0x7FFFFFFFu ? std::int32_t(raw) : -std::int32_t(~raw) - 1;
        return true;
    }

    // The next n bytes; the caller has checked that they are there.
    std::string_view Take(std::size_t n) {
        std::string_view taken = bytes_.substr(pos_, n);
        pos_ += n;
        return taken;
    }

  private:
    unsigned Byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[pos_ + i]); }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

enum class Prefix { Length, WideMarker, Truncated };

Prefix ReadPrefix(Cursor& in, std::uint32_t& length) {
    std::uint8_t first = 0;
    if (!in.ReadU8(first))
        return Prefix::Truncated;
    if (first != kLongPrefix) {
        length = first;
        return Prefix::Length;
    }
    std::uint16_t word = 0;
    if (!in.ReadU16(word))
        return Prefix::Truncated;
    if (word == kWideTextMarker)
        return Prefix::WideMarker;
    if (word != k32BitLengthFollows) {
        length = word;
        return Prefix::Length;
    }
    return in.ReadU32(length) ? Prefix::Length : Prefix::Truncated;
}

bool ReadWideText(Cursor& in, std::uint32_t units, const platform::ICodePage& codePage,
                  std::string& text) {
    // 64-bit arithmetic: twice a 32-bit count does not fit in 32 bits.
    if (std::uint64_t(units) * 2 > in.Left())
        return false;
    const std::string_view raw = in.Take(std::size_t(units) * 2);
    std::u16string wide(units, u'\0');
    for (std::size_t i = 0; i < units; ++i)
        wide[i] = char16_t(static_cast<unsigned char>(raw[2 * i]) |
                           static_cast<unsigned char>(raw[2 * i + 1]) << 8);
    text = codePage.WideToAnsi(wide);
    return true;
}

// How a string was stored: 8-bit text with high bytes is from before the program wrote UTF-8 (the
// wide form takes everything else) and is left undecoded, so that an item's two halves can be
// joined first.
enum class Stored { Ascii, Legacy, Wide };

bool ReadString(Cursor& in, const platform::ICodePage& codePage, std::string& text,
                Stored& stored) {
    try {
        std::uint32_t length = 0;
        switch (ReadPrefix(in, length)) {
        case Prefix::Truncated:
            return false;
        case Prefix::WideMarker:
            // A marker must be followed by a real length; a second marker is malformed.
            if (ReadPrefix(in, length) != Prefix::Length)
                return false;
            stored = Stored::Wide;
            return ReadWideText(in, length, codePage, text);
        case Prefix::Length:
            break;
        }
        if (length > in.Left())
            return false;
        const std::string_view chars = in.Take(length);
        text.assign(chars.data(), chars.size());
        stored = IsAscii(chars) ? Stored::Ascii : Stored::Legacy;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The locale's own code page, which older files' 8-bit text is in.
void DecodeLegacy(std::string& text, Stored stored, const platform::ICodePage& codePage) {
    if (stored == Stored::Legacy)
        text = codePage.LegacyToAnsi(text);
}

// An older file cut a long item after exactly kListTextLimit bytes, the marker following, and
// kept the rest as overflow text. Decoded in two halves, a character the cut split is lost and
// the marker no longer stands where the join looks for it: the halves are joined by bytes first,
// then decoded, then cut again.
void DecodeItemText(std::string& listText, Stored listStored, std::string& overflow,
                    Stored overflowStored, const platform::ICodePage& codePage) {
    const bool legacy = listStored == Stored::Legacy || overflowStored == Stored::Legacy;
    const bool eightBit = listStored != Stored::Wide && overflowStored != Stored::Wide;
    const std::size_t markerLength = sizeof kOverflowMarker - 1;
    if (legacy && eightBit && !overflow.empty() &&
        listText.size() == kListTextLimit + markerLength &&
        listText.compare(kListTextLimit, markerLength, kOverflowMarker) == 0) {
        listText.resize(kListTextLimit);
        listText += overflow;
        SplitText split = SplitPlainText(codePage.LegacyToAnsi(listText));
        listText = std::move(split.listText);
        overflow = std::move(split.overflowText);
        return;
    }
    DecodeLegacy(listText, listStored, codePage);
    DecodeLegacy(overflow, overflowStored, codePage);
}

// A list line ends at its first NUL on the platform, which would drop the rest of the text from
// sight: each NUL becomes "?", one byte for one, so that the marker of a long item stays where the
// join looks for it.
void ReplaceNuls(std::string& text) {
    std::replace(text.begin(), text.end(), '\0', '?');
}

} // namespace

DataFileReadResult ReadDataFile(std::string_view bytes, const platform::ICodePage& codePage,
                                IDataFileSink& sink) {
    constexpr std::uint64_t kMinEntryBytes = 3;
    Cursor in(bytes);
    std::int32_t version = 0;
    if (!in.ReadI32(version))
        return DataFileReadResult::Corrupt;
    if (version > kDataFileVersion)
        return DataFileReadResult::NewerVersion;

    for (int list = 0; list < kDataFileListCount; ++list) {
        sink.BeginList(list);
        std::int32_t count = 0;
        if (!in.ReadI32(count))
            return DataFileReadResult::Corrupt;
        sink.ExpectEntries(
            list, static_cast<int>(std::min<std::uint64_t>(count < 0 ? 0 : std::uint64_t(count),
                                                           in.Left() / kMinEntryBytes)));
        // Each entry takes at least three bytes, so a huge count ends with the input.
        for (std::int32_t i = 0; i < count; ++i) {
            std::string rtf, listText, overflow;
            Stored rtfStored = Stored::Ascii, listStored = Stored::Ascii,
                   overflowStored = Stored::Ascii;
            if (!ReadString(in, codePage, rtf, rtfStored) ||
                !ReadString(in, codePage, listText, listStored) ||
                !ReadString(in, codePage, overflow, overflowStored))
                return DataFileReadResult::Corrupt;
            try {
                DecodeLegacy(rtf, rtfStored, codePage);
                DecodeItemText(listText, listStored, overflow, overflowStored, codePage);
                ReplaceNuls(listText);
                ReplaceNuls(overflow);
            } catch (const std::bad_alloc&) {
                return DataFileReadResult::Corrupt;
            }
            if (listText.empty())
                continue;
            if (!sink.AddEntry(list, std::move(rtf), std::move(listText), std::move(overflow)))
                return DataFileReadResult::Stopped;
        }
        sink.EndList(list);
    }
    return DataFileReadResult::Ok;
}

} // namespace qv
