// Feeds arbitrary bytes to the data-file reader. Beyond not crashing, checks that what the sink
// gets is never much more than the input holds, and that whatever reads cleanly (8-bit text of
// the old code page and wide text alike) writes back to a file that reads the same.
#include "headless/headless_services.h"
#include "history/data_file_reader.h"
#include "history/data_file_writer.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Kept {
    int list;
    std::string rtf, listText, overflow;
    bool operator==(const Kept& o) const {
        return list == o.list && rtf == o.rtf && listText == o.listText && overflow == o.overflow;
    }
};

class KeepingSink : public qv::IDataFileSink {
  public:
    void BeginList(int list) override {
        Check(list == lastEnded + 1 && list == begun + 1);
        begun = list;
    }
    bool AddEntry(int list, std::string rtf, std::string listText, std::string overflow) override {
        Check(list == begun && !listText.empty());
        keptBytes += rtf.size() + listText.size() + overflow.size();
        entries.push_back({list, std::move(rtf), std::move(listText), std::move(overflow)});
        return true;
    }
    void EndList(int list) override {
        Check(list == begun);
        lastEnded = list;
    }

    static void Check(bool condition) {
        if (!condition)
            std::abort();
    }

    int begun = -1;
    int lastEnded = -1;
    std::size_t keptBytes = 0;
    std::vector<Kept> entries;
};

std::string Rewrite(const std::vector<Kept>& entries, const qv::platform::ICodePage& codePage) {
    std::string bytes;
    qv::CDataFileWriter writer(bytes, codePage);
    for (int list : {qv::kMainListIndex, qv::kRetainListIndex}) {
        writer.BeginList();
        for (const Kept& e : entries)
            if (e.list == list)
                KeepingSink::Check(writer.AddEntry(e.rtf, e.listText, e.overflow));
        writer.EndList();
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The program's code page is UTF-8 when the version is negative (read as version 1 all the
    // same), else Windows-1252.
    qv::platform::headless::HeadlessCodePage codePage;
    if (size >= 4 && (data[3] & 0x80) != 0)
        codePage.program = qv::platform::headless::HeadlessCodePage::Program::Utf8;
    KeepingSink sink;
    const qv::DataFileReadResult result = qv::ReadDataFile(bytes, codePage, sink);

    // At worst a byte of 8-bit text becomes three of UTF-8 (0x80 is the euro sign), and a
    // two-byte unit of wide text three as well.
    KeepingSink::Check(sink.keptBytes <= 3 * size);
    if (result == qv::DataFileReadResult::NewerVersion)
        KeepingSink::Check(sink.begun == -1);
    KeepingSink::Check(result != qv::DataFileReadResult::Stopped);
    KeepingSink::Check((result == qv::DataFileReadResult::Ok) == (sink.lastEnded == 1));

    if (result == qv::DataFileReadResult::Ok) {
        KeepingSink again;
        KeepingSink::Check(qv::ReadDataFile(Rewrite(sink.entries, codePage), codePage, again) ==
                           qv::DataFileReadResult::Ok);
        KeepingSink::Check(again.entries == sink.entries);
    }
    return 0;
}
