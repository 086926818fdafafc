// A data-file sink for tests: keeps every call and entry it gets.
#pragma once
#include "history/data_file_reader.h"
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {

struct ReadEntry {
    int list = 0;
    std::string rtf;
    std::string listText;
    std::string overflow;

    bool operator==(const ReadEntry& o) const {
        return list == o.list && rtf == o.rtf && listText == o.listText && overflow == o.overflow;
    }
};

inline void PrintTo(const ReadEntry& e, std::ostream* os) {
    *os << "{list " << e.list << ", rtf " << e.rtf.size() << " chars, list text \""
        << e.listText.substr(0, 40) << "\" (" << e.listText.size() << "), overflow "
        << e.overflow.size() << " chars}";
}

class RecordingSink : public IDataFileSink {
  public:
    void BeginList(int list) override { calls.push_back("begin " + std::to_string(list)); }
    bool AddEntry(int list, std::string rtf, std::string listText, std::string overflow) override {
        if (acceptLimit >= 0 && int(entries.size()) >= acceptLimit)
            return false;
        calls.push_back("entry " + listText.substr(0, 20));
        entries.push_back({list, std::move(rtf), std::move(listText), std::move(overflow)});
        return true;
    }
    void EndList(int list) override { calls.push_back("end " + std::to_string(list)); }
    void ExpectEntries(int list, int count) override { expected.push_back({list, count}); }

    int acceptLimit = -1; // refuse entries once this many were taken; -1 takes all
    std::vector<std::string> calls;
    std::vector<ReadEntry> entries;
    std::vector<std::pair<int, int>> expected; // (list, count) of each ExpectEntries
};

} // namespace qv::test
