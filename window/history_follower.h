// What a window that shows the History list alongside the main window is told, at every place
// the list, its caret line or the mark changes: the Mini-Window and the mark's labels follow the
// History list through this one interface.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace qv {

class IHistoryFollower {
  public:
    virtual ~IHistoryFollower() = default;
    // A line appended at the end (captures, Merge, Split, the data file); extent is the History
    // list's horizontal extent after it.
    virtual void LineAppended(const std::string& /*listText*/, int /*extent*/) {}
    // A line removed by Delete, by the History Limit or to make room.
    virtual void LineRemoved(int /*line*/) {}
    // Every line removed: the data file is read anew.
    virtual void AllRemoved() {}
    // The caret line after a change of the selection or of the lines; -1 when it is not selected.
    virtual void CaretLineChanged(int /*line*/) {}
    // The lines were put back or replaced wholesale: Undo Delete, Change List.
    virtual void ListReplaced() {}
    virtual void MarkChanged(bool /*set*/) {}
};

// Passes each notice on to every follower.
class CHistoryFollowers : public IHistoryFollower {
  public:
    void Add(IHistoryFollower* follower) { followers_.push_back(follower); }
    void Remove(IHistoryFollower* follower) {
        followers_.erase(std::remove(followers_.begin(), followers_.end(), follower),
                         followers_.end());
    }

    void LineAppended(const std::string& listText, int extent) override {
        for (IHistoryFollower* f : followers_)
            f->LineAppended(listText, extent);
    }
    void LineRemoved(int line) override {
        for (IHistoryFollower* f : followers_)
            f->LineRemoved(line);
    }
    void AllRemoved() override {
        for (IHistoryFollower* f : followers_)
            f->AllRemoved();
    }
    void CaretLineChanged(int line) override {
        for (IHistoryFollower* f : followers_)
            f->CaretLineChanged(line);
    }
    void ListReplaced() override {
        for (IHistoryFollower* f : followers_)
            f->ListReplaced();
    }
    void MarkChanged(bool set) override {
        for (IHistoryFollower* f : followers_)
            f->MarkChanged(set);
    }

  private:
    std::vector<IHistoryFollower*> followers_;
};

} // namespace qv
