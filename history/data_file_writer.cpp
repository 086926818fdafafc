#include "history/data_file_writer.h"
#include "history/ascii_text.h"
#include "history/data_file_format.h"
#include "history/data_file_pieces.h"
#include "platform/services.h"
#include <limits>

namespace qv {

namespace {

void AppendU16(std::string& out, std::uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void AppendU32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += char((value >> shift) & 0xFF);
}

void PutU32At(std::string& out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[offset + std::size_t(i)] = char((value >> (8 * i)) & 0xFF);
}

std::size_t PrefixSize(std::size_t length) {
    if (length <= kMaxByteLength)
        return 1;
    return length <= kMaxWordLength ? 3 : 7;
}

bool Fits(std::string_view text) {
    return text.size() <= kMaxStringLength;
}

} // namespace

CDataFileWriter::CDataFileWriter(std::string& buffer, const platform::ICodePage& codePage)
    : bytes_(buffer), codePage_(codePage) {
    bytes_.clear();
    AppendU32(bytes_, std::uint32_t(kDataFileVersion));
}

CDataFileWriter::CDataFileWriter(CDataFilePieces& pieces, const platform::ICodePage& codePage)
    : bytes_(pieces.OwnBytes()), codePage_(codePage), pieces_(&pieces) {
    pieces.Clear();
    AppendU32(bytes_, std::uint32_t(kDataFileVersion));
}

std::size_t CDataFileWriter::EntrySize(std::string_view rtf, std::string_view listText,
                                       std::string_view overflow) {
    return PrefixSize(rtf.size()) + rtf.size() + PrefixSize(listText.size()) + listText.size() +
           PrefixSize(overflow.size()) + overflow.size();
}

void CDataFileWriter::ReserveForEntries(std::size_t entryBytes) {
    bytes_.reserve(bytes_.size() + entryBytes + 4 * kDataFileListCount);
}

void CDataFileWriter::BeginList() {
    countOffset_ = bytes_.size();
    count_ = 0;
    AppendU32(bytes_, 0);
}

bool CDataFileWriter::AddEntry(std::string_view rtf, std::string_view listText,
                               std::string_view overflow, ListText listTextIs) {
    if (countOffset_ == kNoList || count_ == std::numeric_limits<std::int32_t>::max() ||
        !Fits(rtf) || !Fits(listText) || !Fits(overflow))
        return false;
    AppendString(rtf, true);
    AppendString(listText, listTextIs == ListText::Kept);
    AppendString(overflow, true);
    ++count_;
    return true;
}

void CDataFileWriter::EndList() {
    if (countOffset_ == kNoList)
        return;
    PutU32At(bytes_, countOffset_, std::uint32_t(count_));
    countOffset_ = kNoList;
}

void CDataFileWriter::AppendString(std::string_view text, bool mayReference) {
    if (pieces_ && mayReference && text.size() >= kReferencedFrom) {
        // Checked where it lies; the file is then written from there.
        if (!IsAscii(text) && AppendWideString(text))
            return;
        AppendPrefix(text.size());
        pieces_->Reference(text);
        return;
    }
    const std::size_t start = bytes_.size();
    AppendEightBit(text);
    // Checked in the copy, which is still in the cache, so that the source is read only once.
    if (IsAscii(std::string_view(bytes_).substr(bytes_.size() - text.size())))
        return;
    bytes_.resize(start);
    if (!AppendWideString(text))
        AppendEightBit(text);
}

void CDataFileWriter::AppendEightBit(std::string_view text) {
    AppendPrefix(text.size());
    bytes_.append(text.data(), text.size());
}

bool CDataFileWriter::AppendWideString(std::string_view text) {
    if (!codePage_.AnsiToWide(std::string(text), wide_) || wide_.size() > kMaxStringLength)
        return false;
    bytes_ += char(kLongPrefix);
    AppendU16(bytes_, kWideTextMarker);
    AppendPrefix(wide_.size());
    for (char16_t unit : wide_)
        AppendU16(bytes_, std::uint16_t(unit));
    return true;
}

void CDataFileWriter::AppendPrefix(std::size_t length) {
    if (length <= kMaxByteLength) {
        bytes_ += char(length);
    } else if (length <= kMaxWordLength) {
        bytes_ += char(kLongPrefix);
        AppendU16(bytes_, std::uint16_t(length));
    } else {
        bytes_ += char(kLongPrefix);
        AppendU16(bytes_, k32BitLengthFollows);
        AppendU32(bytes_, std::uint32_t(length));
    }
}

} // namespace qv
