#include "help/topic_list_ctrl.h"
#include <new>

namespace qv {

namespace {
int Sign(int value) {
    return (value > 0) - (value < 0);
}
} // namespace

int CTopicListCtrl::AddTopic(int tipNumber, const std::string& topic) {
    try {
        auto row = std::make_unique<TopicRow>(TopicRow{tipNumber, topic});
        const int added = InsertDataItem(row.get(), -1);
        if (added >= 0)
            row.release(); // the list owns it now and frees it with FreeItemData
        return added;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int CTopicListCtrl::TipNumberAt(int row) const {
    const auto* data = View() ? static_cast<const TopicRow*>(View()->GetRowData(row)) : nullptr;
    return data ? data->tipNumber : 0;
}

int CTopicListCtrl::Compare(const void* a, const void* b, int column, bool descending) const {
    const auto* first = static_cast<const TopicRow*>(a);
    const auto* second = static_cast<const TopicRow*>(b);
    if (!comparator_ || !first || !second)
        return 0;
    int result = 0;
    if (column == kNumberColumn)
        result =
            Sign((first->tipNumber > second->tipNumber) - (first->tipNumber < second->tipNumber));
    else if (column == kTopicColumn)
        result = Sign(comparator_->Compare(first->topic, second->topic));
    return descending ? -result : result;
}

std::string CTopicListCtrl::GetItemText(const void* data, int column) const {
    const auto* row = static_cast<const TopicRow*>(data);
    if (!row)
        return std::string();
    if (column == kNumberColumn)
        return std::to_string(row->tipNumber);
    if (column == kTopicColumn)
        return row->topic;
    return std::string();
}

void CTopicListCtrl::FreeItemData(void* data) {
    delete static_cast<TopicRow*>(data);
}

} // namespace qv
