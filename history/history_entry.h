// The record attached to each History line, and the item that carries an item's texts.
#pragma once
#include "platform/types.h"
#include <cstdint>
#include <string>

namespace qv {

class CWidthIndex;

class CHistoryEntry {
  public:
    CHistoryEntry() = default;
    CHistoryEntry(const CHistoryEntry&) = delete;
    CHistoryEntry& operator=(const CHistoryEntry&) = delete;
    virtual ~CHistoryEntry() = default;

    // Empty when the clip time is unknown, else "Clip time: hh:mm:ss am".
    std::string ClipTimeText() const;

    int width = 0; // pixel width of the line, 0..32767
    platform::LocalTime clipTime;

  private:
    friend class CWidthIndex;
    CHistoryEntry* wider_ = nullptr;
    CHistoryEntry* narrower_ = nullptr;
    CHistoryEntry* parent_ = nullptr;
};

class CHistoryItem : public CHistoryEntry {
  public:
    // Capture form: texts filled by the caller, clip time = the given local time.
    explicit CHistoryItem(const platform::LocalTime& capturedAt) { clipTime = capturedAt; }
    // From two texts (data file, merge, split): clip time unknown.
    CHistoryItem(std::string rtf, std::string overflow)
        : rtfText(std::move(rtf)), overflowText(std::move(overflow)) {}
    // Copy of another item (undo buffer): the clip time is not taken.
    static CHistoryItem* CopyOf(const CHistoryItem& other) {
        return new CHistoryItem(other.rtfText, other.overflowText);
    }

    std::string rtfText;
    std::string overflowText;
};

} // namespace qv
