#include "lists/data_file_store.h"
#include "history/data_file_backup.h"
#include "history/data_file_format.h"
#include "history/data_file_pieces.h"
#include "history/data_file_reader.h"
#include "history/data_file_save.h"
#include "history/data_file_writer.h"
#include "resource.h"
#include "text/fill_marker.h"
#include <algorithm>
#include <new>

namespace qv {

namespace {

const std::string kNoText;
constexpr const char kDataFileExtension[] = ".dat";
// Paths in messages are cut to this many characters.
constexpr std::size_t kShownPathChars = 259;

// Calls visit(rtf, list text, overflow) for each line of the shown list, in order. False when the
// list cannot be read.
template <class Visit> bool ForEachShownEntry(const CHistoryLists& lists, Visit&& visit) {
    auto& list = lists.List();
    const int count = list.GetCount();
    if (count < 0)
        return false;
    std::string listText;
    for (int i = 0; i < count; ++i) {
        const CHistoryItem* item = lists.Item(i);
        if (!list.GetLineText(i, listText))
            return false;
        visit(item ? item->rtfText : kNoText, listText, item ? item->overflowText : kNoText);
    }
    return true;
}

template <class Visit> void ForEachParkedEntry(const CHistoryLists& lists, Visit&& visit) {
    for (const CStoredRecord& r : lists.Parked())
        visit(r.item ? r.item->rtfText : kNoText, r.listText,
              r.item ? r.item->overflowText : kNoText);
}

} // namespace

std::string DataFilePath(const std::string& dataFolder, const std::string& programName) {
    return dataFolder + programName + kDataFileExtension;
}

// Puts the file's entries where each list lives now: the shown one into the History list box,
// the other into the parked list.
class CDataFileStore::LoadSink : public IDataFileSink {
  public:
    explicit LoadSink(CDataFileStore& store) : store_(store), lists_(store.lists_) {}

    void BeginList(int list) override {
        if (list == kMainListIndex)
            lists_.RemoveShown();
        if (!IsShown(list))
            lists_.Parked().clear();
    }

    bool AddEntry(int list, std::string rtf, std::string listText, std::string overflow) override {
        try {
            auto item = std::make_unique<CHistoryItem>(std::move(rtf), std::move(overflow));
            if (!IsShown(list)) {
                lists_.Parked().push_back(CStoredRecord{-1, std::move(listText), std::move(item)});
                return true;
            }
            if (lists_.Append(listText, std::move(item)) < 0)
                return Fail();
            lists_.ApplyHistoryLimit();
            return true;
        } catch (const std::bad_alloc&) {
            return Fail();
        }
    }

    void ExpectEntries(int list, int count) override {
        // Room reserved ahead saves the list box regrowing its storage line by line.
        constexpr int kMostLines = 32767;
        constexpr std::size_t kBytesPerLine = 256;
        if (IsShown(list) && count > 0) {
            const int lines = std::min(count, kMostLines);
            lists_.List().InitStorage(lines, std::size_t(lines) * kBytesPerLine);
        }
    }

    void EndList(int list) override {
        if (!IsShown(list))
            return;
        lists_.SelectOnly(lists_.List().GetCount() - 1);
        store_.navigation_.Refresh();
    }

  private:
    bool IsShown(int list) const { return (list == kMainListIndex) == lists_.MainListShown(); }
    bool Fail() {
        store_.messages_.Show(IDS_CANNOT_READ_INTO_MEMORY, platform::MsgButtons::Ok,
                              platform::MsgIcon::Exclamation);
        return false;
    }

    CDataFileStore& store_;
    CHistoryLists& lists_;
};

CDataFileStore::State CDataFileStore::Load() {
    if (!files_.FindFirst(path_)) {
        outcome_ = Outcome::Missing;
        state_ = State::Read;
        return state_;
    }
    bool loaded = false;
    {
        const platform::RedrawPause frozen(lists_.List());
        try {
            LoadSink sink(*this);
            DataFileReadResult result = DataFileReadResult::Corrupt;
            if (files_.ViewFile(path_, [&](std::string_view bytes) {
                    result = ReadDataFile(bytes, codePage_, sink);
                })) {
                switch (result) {
                case DataFileReadResult::NewerVersion:
                    outcome_ = Outcome::Newer;
                    state_ = messages_.Show(IDS_NEWER_DATA_FILE, platform::MsgButtons::YesNo,
                                            platform::MsgIcon::Question) == platform::MsgResult::Yes
                                 ? State::Declined
                                 : State::Read;
                    return state_;
                case DataFileReadResult::Ok:
                case DataFileReadResult::Stopped: // the sink said why
                    loaded = true;
                    break;
                case DataFileReadResult::Corrupt:
                    break;
                }
            }
        } catch (const std::bad_alloc&) {
            loaded = false;
        }
    }
    outcome_ = loaded ? Outcome::Read : Outcome::Failed;
    if (loaded)
        lists_.ResetChanges();
    else
        ShowPathMessage(IDS_CANNOT_READ);
    lists_.ClearMark();
    state_ = State::Read;
    if (!loaded && onReadFailure_)
        onReadFailure_();
    return state_;
}

bool CDataFileStore::Encode(std::string& buffer) const {
    // One string for the whole file: room for all of it first.
    std::size_t size = 0;
    auto measure = [&size](const std::string& rtf, const std::string& text,
                           const std::string& overflow) {
        size += CDataFileWriter::EntrySize(rtf, text, overflow);
    };
    if (!ForEachShownEntry(lists_, measure))
        return false;
    ForEachParkedEntry(lists_, measure);
    CDataFileWriter writer(buffer, codePage_);
    writer.ReserveForEntries(size);
    return WriteLists(writer);
}

bool CDataFileStore::WriteLists(CDataFileWriter& writer) const {
    bool ok = true;
    auto writeAs = [&writer, &ok](CDataFileWriter::ListText listTextIs) {
        return [&writer, &ok, listTextIs](const std::string& rtf, const std::string& text,
                                          const std::string& overflow) {
            ok = writer.AddEntry(rtf, text, overflow, listTextIs) && ok;
        };
    };
    // A shown line's text comes through one buffer that the next line refills.
    auto writeShown = writeAs(CDataFileWriter::ListText::Reused);
    auto writeParked = writeAs(CDataFileWriter::ListText::Kept);
    // The Main List comes first in the file, wherever it lives now.
    for (int list = 0; list < kDataFileListCount; ++list) {
        writer.BeginList();
        if ((list == kMainListIndex) == lists_.MainListShown())
            ok = ForEachShownEntry(lists_, writeShown) && ok;
        else
            ForEachParkedEntry(lists_, writeParked);
        writer.EndList();
    }
    return ok;
}

bool CDataFileStore::Save() {
    if (state_ != State::Read)
        return false;
    BackUpDataFile(files_, clock_, path_);
    bool saved = false;
    try {
        // The pieces point into the lists, which stay as they are until the file is written.
        // Most of the file stays where it lies, so the writer's own bytes are not sized for the
        // whole file beforehand, and the lines are read once.
        CDataFileWriter writer(savePieces_, codePage_);
        saved = WriteLists(writer) && SaveFileSafely(files_, path_, savePieces_.Pieces());
    } catch (const std::bad_alloc&) {
        saved = false;
    }
    if (!saved) {
        ShowPathMessage(IDS_CANNOT_SAVE);
        return false;
    }
    lists_.ResetChanges();
    return true;
}

void CDataFileStore::ShowPathMessage(int formatId) {
    messages_.ShowText(FillMarker(messages_.Text(formatId), path_.substr(0, kShownPathChars)),
                       platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

} // namespace qv
