// The topic chooser's list: one row per tip with its number and topic, sorted by either column,
// topics compared number-aware.
#pragma once
#include "help/sort_list_ctrl.h"
#include "help/text_compare.h"
#include <memory>
#include <string>

namespace qv {

class CTopicListCtrl : public CSortListCtrl {
  public:
    // Columns: 0 empty, 1 the tip number, 2 the topic.
    static constexpr int kNumberColumn = 1;
    static constexpr int kTopicColumn = 2;

    CTopicListCtrl() : comparator_(std::make_unique<CNumberTextCompare>()) {}
    ~CTopicListCtrl() override { Detach(); }

    // Appends a row for a tip; -1 when it could not be added (nothing is kept then).
    int AddTopic(int tipNumber, const std::string& topic);
    // The tip number stored in a row, 0 for no row.
    int TipNumberAt(int row) const;

    int Compare(const void* a, const void* b, int column, bool descending) const override;
    std::string GetItemText(const void* data, int column) const override;

  protected:
    void FreeItemData(void* data) override;

  private:
    struct TopicRow {
        int tipNumber; // tip index + 1
        std::string topic;
    };
    std::unique_ptr<CTextCompare> comparator_;
};

} // namespace qv
