// The data file that keeps both History lists between runs: read at start-up, written after
// every Change Limit changes, at exit and at log-off.
#pragma once
#include "history/data_file_pieces.h"
#include "lists/history_lists.h"
#include "platform/services.h"
#include "window/navigation.h"
#include "window/user_messages.h"
#include <functional>
#include <string>

namespace qv {

class CDataFileWriter;

// The data file of a data folder (ending in a backslash).
std::string DataFilePath(const std::string& dataFolder, const std::string& programName);

class CDataFileStore {
  public:
    // Where the file stands. It is written only once it was read at start-up: before that a save
    // would replace it with empty lists. A file that the user declined as belonging to a newer
    // version of the program is never written.
    enum class State { NotRead, Read, Declined };

    CDataFileStore(platform::IFileSystem& files, const platform::IClock& clock,
                   const platform::ICodePage& codePage, CHistoryLists& lists,
                   CNavigation& navigation, CUserMessages& messages, std::string path)
        : files_(files), clock_(clock), codePage_(codePage), lists_(lists), navigation_(navigation),
          messages_(messages), path_(std::move(path)) {}
    CDataFileStore(const CDataFileStore&) = delete;
    CDataFileStore& operator=(const CDataFileStore&) = delete;

    // Reads the file into the lists, the shown list ending with its last line as the only
    // selected one. A file that cannot be read in full keeps what came before the fault and says
    // so. A file of a newer version asks whether to quit; Yes declines it. Missing is no fault.
    State Load();
    // Writes both lists after backing the old file up once a day; a failure says so and leaves
    // the old file as it was. False when nothing was written.
    bool Save();
    // Counts one change of the lists and saves when the Change Limit is reached.
    void CountChange() {
        if (lists_.CountChange())
            Save();
    }
    // Builds the file's bytes from the lists into buffer; false when a line could not be read
    // or an entry cannot be held, so that a shorter list never replaces a good file.
    bool Encode(std::string& buffer) const;

    // How the last Load went: no file, read (also when stopped for memory), a newer version
    // asked about and not read, or failed with the message shown.
    enum class Outcome { Missing, Read, Newer, Failed };
    Outcome LastOutcome() const { return outcome_; }
    // Called after a failed read has been reported.
    void OnReadFailure(std::function<void()> handler) { onReadFailure_ = std::move(handler); }

    State GetState() const { return state_; }
    const std::string& Path() const { return path_; }

  private:
    class LoadSink;
    // Both lists, Main List first, through writer; false as for Encode.
    bool WriteLists(CDataFileWriter& writer) const;
    // The message of format with the path in place of its "%s".
    void ShowPathMessage(int formatId);

    platform::IFileSystem& files_;
    const platform::IClock& clock_;
    const platform::ICodePage& codePage_;
    CHistoryLists& lists_;
    CNavigation& navigation_;
    CUserMessages& messages_;
    std::string path_;
    State state_ = State::NotRead;
    Outcome outcome_ = Outcome::Missing;
    std::function<void()> onReadFailure_;
    // Kept between saves: a large save then writes into memory that is already mapped.
    CDataFilePieces savePieces_;
};

} // namespace qv
