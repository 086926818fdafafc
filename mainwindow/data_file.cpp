// Reading and writing both History lists: the data file at start-up, after every Change Limit
// changes, at exit and at log-off.
#include "history/data_file_backup.h"
#include "history/data_file_reader.h"
#include "history/data_file_save.h"
#include "history/data_file_writer.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/messages.h"
#include "resource.h"
#include <new>

namespace qv {

namespace {

std::string WithPath(const std::string& format, const std::string& path) {
    // Paths in messages are cut to 259 characters.
    const std::string cut = path.substr(0, 259);
    std::string text = format;
    text.replace(text.find("%s"), 2, cut);
    return text;
}

const std::string kNoText;

} // namespace

// Calls visit(rtf, list text, overflow) for each line of the shown list, in order. False when the
// list cannot be read: a save must then fail rather than write a shorter list over a good file.
template <class Visit> bool CMainDialog::ForEachShownEntry(Visit&& visit) {
    auto& list = history_->List();
    const int count = list.GetCount();
    if (count < 0)
        return false;
    std::string listText;
    for (int i = 0; i < count; ++i) {
        const auto* item = dynamic_cast<const CHistoryItem*>(history_->GetEntry(i));
        if (!list.GetLineText(i, listText))
            return false;
        visit(item ? item->rtfText : kNoText, listText, item ? item->overflowText : kNoText);
    }
    return true;
}

template <class Visit>
void CMainDialog::ForEachParkedEntry(const std::vector<CStoredRecord>& records, Visit&& visit) {
    for (const CStoredRecord& r : records)
        visit(r.item ? r.item->rtfText : kNoText, r.listText,
              r.item ? r.item->overflowText : kNoText);
}

bool CMainDialog::EncodeLists() {
    const std::vector<CStoredRecord>& parked = mainListShown_ ? parkedRetainList_ : parkedMainList_;
    std::size_t size = 0;
    auto measure = [&size](const std::string& rtf, const std::string& text,
                           const std::string& overflow) {
        size += CDataFileWriter::EntrySize(rtf, text, overflow);
    };
    if (!ForEachShownEntry(measure))
        return false;
    ForEachParkedEntry(parked, measure);
    CDataFileWriter writer(saveBuffer_);
    writer.ReserveForEntries(size);
    bool ok = true;
    auto write = [&writer, &ok](const std::string& rtf, const std::string& text,
                                const std::string& overflow) {
        ok = writer.AddEntry(rtf, text, overflow) && ok;
    };
    // The Main List comes first in the file, wherever it lives now.
    for (int list = 0; list < 2; ++list) {
        writer.BeginList();
        if ((list == kMainListIndex) == mainListShown_)
            ok = ForEachShownEntry(write) && ok;
        else
            ForEachParkedEntry(parked, write);
        writer.EndList();
    }
    return ok;
}

bool CMainDialog::SaveDataFile() {
    // Before the file was read (a log-off while start-up asks a question) a save would replace
    // it with empty lists; a declined newer file stays as it is.
    if (dataFileState_ != DataFileState::Read)
        return false;
    BackUpDataFile(platform_.Files(), platform_.Clock(), dataFilePath_);
    bool saved = false;
    try {
        // An entry the file cannot hold fails the save rather than going missing from it.
        saved = EncodeLists() && SaveFileSafely(platform_.Files(), dataFilePath_, saveBuffer_);
    } catch (const std::bad_alloc&) {
        saved = false;
    }
    if (!saved) {
        Message(WithPath(Text(IDS_CANNOT_SAVE), dataFilePath_), platform::MsgButtons::Ok,
                platform::MsgIcon::Exclamation);
        return false;
    }
    changeCounter_ = 0;
    return true;
}

// Puts the file's entries where each list lives now: the shown one into the History list box,
// the other into its parked list.
class CMainDialog::LoadSink : public IDataFileSink {
  public:
    explicit LoadSink(CMainDialog& dialog) : d_(dialog) {}

    void BeginList(int list) override {
        if (list == kMainListIndex)
            d_.history_->RemoveAllEntries();
        if (!IsShown(list))
            Parked(list).clear();
    }

    bool AddEntry(int list, std::string rtf, std::string listText, std::string overflow) override {
        try {
            auto item = std::make_unique<CHistoryItem>(std::move(rtf), std::move(overflow));
            if (IsShown(list)) {
                if (d_.AppendToHistory(listText, std::move(item)) < 0)
                    return Fail();
                d_.ApplyHistoryLimit();
            } else {
                Parked(list).push_back(CStoredRecord{-1, std::move(listText), std::move(item)});
            }
            return true;
        } catch (const std::bad_alloc&) {
            return Fail();
        }
    }

    void EndList(int list) override {
        if (!IsShown(list))
            return;
        auto& box = d_.history_->List();
        const int last = box.GetCount() - 1;
        box.SetCaretIndex(last);
        box.SetSel(-1, false);
        box.SetSel(last, true);
        d_.NavigationRefresh();
    }

  private:
    bool IsShown(int list) const { return (list == kMainListIndex) == d_.mainListShown_; }
    std::vector<CStoredRecord>& Parked(int list) {
        return list == kMainListIndex ? d_.parkedMainList_ : d_.parkedRetainList_;
    }
    bool Fail() {
        d_.Message(d_.Text(IDS_CANNOT_READ_INTO_MEMORY), platform::MsgButtons::Ok,
                   platform::MsgIcon::Exclamation);
        return false;
    }
    CMainDialog& d_;
};

bool CMainDialog::LoadDataFile() {
    if (!platform_.Files().FindFirst(dataFilePath_))
        return false;
    bool loaded = false;
    {
        const platform::RedrawPause frozen(history_->List());
        try {
            std::string bytes;
            if (platform_.Files().ReadFile(dataFilePath_, bytes)) {
                LoadSink sink(*this);
                switch (ReadDataFile(bytes, platform_.CodePage(), sink)) {
                case DataFileReadResult::NewerVersion:
                    if (Message(Text(IDS_NEWER_DATA_FILE), platform::MsgButtons::YesNo,
                                platform::MsgIcon::Question) == platform::MsgResult::Yes) {
                        saveAtExit_ = false;
                        dataFileState_ = DataFileState::Declined;
                        window_->PostQuit(kExitNewerDataFile);
                    }
                    return true;
                case DataFileReadResult::Ok:
                case DataFileReadResult::Stopped:
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
    if (loaded) {
        changeCounter_ = 0;
    } else {
        Message(WithPath(Text(IDS_CANNOT_READ), dataFilePath_), platform::MsgButtons::Ok,
                platform::MsgIcon::Exclamation);
        OpenOptionsSheet();
    }
    ClearMark();
    return loaded;
}

void CMainDialog::ClearMark() {
    markIndex_ = -1;
}

} // namespace qv
