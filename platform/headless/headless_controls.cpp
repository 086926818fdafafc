#include "headless_controls.h"
#include "headless_clipboard.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace qv::platform::headless {

void HeadlessEdit::SetSel(long start, long end) {
    const long length = long(text_.size());
    selStart_ = std::clamp(start, 0L, length);
    selEnd_ = end < 0 ? length : std::clamp(end, selStart_, length);
}

void HeadlessEdit::GetSel(long& start, long& end) const {
    start = selStart_;
    end = selEnd_;
}

bool HeadlessEdit::Copy() {
    ++copyCount;
    if (selStart_ == selEnd_ || !clipboard_.Open(0))
        return false;
    clipboard_.Empty();
    clipboard_.SetText(text_.substr(std::size_t(selStart_), std::size_t(selEnd_ - selStart_)),
                       std::string());
    clipboard_.Close();
    return true;
}

bool HeadlessEdit::MeasureText(const std::string& text, int& width) const {
    if (!hasDrawingContext)
        return false;
    width = int(text.size()) * charWidth;
    return true;
}

void HeadlessTrackBar::SetRange(int low, int high) {
    minimum = low;
    maximum = high;
    position_ = std::clamp(position_, minimum, std::max(minimum, maximum));
}

void HeadlessTrackBar::SetPos(int position) {
    position_ = std::clamp(position, minimum, std::max(minimum, maximum));
}

int HeadlessListView::GetColumnWidth(int column) const {
    return column >= 0 && column < int(columns_.size()) ? columns_[std::size_t(column)].width : 0;
}

void HeadlessListView::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < int(columns_.size()))
        columns_[std::size_t(column)].width = width;
}

void HeadlessListView::FitColumnToHeader(int column) {
    if (column >= 0 && column < int(columns_.size()))
        SetColumnWidth(column, int(columns_[std::size_t(column)].title.size()) * charWidth +
                                   kHeaderPadding);
}

int HeadlessListView::InsertRow(int index, void* data) {
    if (insertFails)
        return -1;
    if (index < 0 || index > int(rows_.size()))
        index = int(rows_.size());
    rows_.insert(rows_.begin() + index, data);
    if (selected_ >= index)
        ++selected_;
    return index;
}

bool HeadlessListView::DeleteRow(int row) {
    if (row < 0 || row >= int(rows_.size()))
        return false;
    rows_.erase(rows_.begin() + row);
    if (selected_ == row)
        selected_ = -1;
    else if (selected_ > row)
        --selected_;
    return true;
}

void HeadlessListView::DeleteAllRows() {
    rows_.clear();
    selected_ = -1;
}

void* HeadlessListView::GetRowData(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)] : nullptr;
}

void HeadlessListView::SelectRow(int row) {
    selected_ = row >= 0 && row < int(rows_.size()) ? row : -1;
}

void HeadlessListView::Sort(const Compare& compare) {
    void* selectedData = GetRowData(selected_);
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&compare](void* a, void* b) { return compare(a, b) < 0; });
    if (selectedData)
        selected_ = int(std::find(rows_.begin(), rows_.end(), selectedData) - rows_.begin());
}

std::string HeadlessListView::GetCellText(int row, int column) const {
    if (!source_ || row < 0 || row >= int(rows_.size()))
        return std::string();
    return source_(rows_[std::size_t(row)], column);
}

int HeadlessListBox::AddString(const std::string& text) {
    return InsertString(-1, text);
}

int HeadlessListBox::InsertString(int index, const std::string& text) {
    if (int(lines_.size()) >= maxLines)
        return kNoRoom;
    if (insertsBeforeFailure == 0) {
        insertsBeforeFailure = -1;
        return kError;
    }
    if (insertsBeforeFailure > 0)
        --insertsBeforeFailure;
    if (index < -1 || index > int(lines_.size()))
        return kError;
    if (index == -1)
        index = int(lines_.size());
    lines_.insert(lines_.begin() + index, Line{text, nullptr, false});
    if (caret_ >= index && int(lines_.size()) > 1)
        ++caret_;
    return index;
}

int HeadlessListBox::DeleteString(int index) {
    if (!Valid(index))
        return kError;
    lines_.erase(lines_.begin() + index);
    if (caret_ > index || caret_ >= int(lines_.size()))
        caret_ = std::max(0, caret_ - 1);
    return int(lines_.size());
}

void HeadlessListBox::ResetContent() {
    lines_.clear();
    caret_ = 0;
}

int HeadlessListBox::GetTextLen(int index) const {
    return Valid(index) ? int(lines_[index].text.size()) : kError;
}

bool HeadlessListBox::GetLineText(int index, std::string& out) const {
    if (outOfMemoryOnText)
        throw std::bad_alloc();
    if (!Valid(index) || textFails)
        return false;
    out = lines_[index].text;
    return true;
}

bool HeadlessListBox::SetItemData(int index, void* data) {
    if (!Valid(index) || setDataFails)
        return false;
    lines_[index].data = data;
    return true;
}

bool HeadlessListBox::GetItemData(int index, void*& data) const {
    if (!Valid(index) ||
        std::find(brokenDataLines.begin(), brokenDataLines.end(), index) != brokenDataLines.end())
        return false;
    data = lines_[index].data;
    return true;
}

int HeadlessListBox::GetSelCount() const {
    if (countsFail)
        return kError;
    return int(
        std::count_if(lines_.begin(), lines_.end(), [](const Line& l) { return l.selected; }));
}

std::vector<int> HeadlessListBox::GetSelItems() const {
    std::vector<int> items;
    for (int i = 0; i < int(lines_.size()); ++i)
        if (lines_[i].selected)
            items.push_back(i);
    return items;
}

bool HeadlessListBox::IsSelected(int index) const {
    return Valid(index) && lines_[index].selected;
}

bool HeadlessListBox::SetSel(int index, bool select) {
    ++selectionCalls;
    if (index == -1) {
        for (auto& line : lines_)
            line.selected = select;
        return true;
    }
    if (!Valid(index))
        return false;
    if (single && select)
        for (auto& line : lines_)
            line.selected = false;
    lines_[index].selected = select;
    return true;
}

bool HeadlessListBox::SetSelRange(int first, int last, bool select) {
    ++selectionCalls;
    if (single || first > last || !Valid(first) || !Valid(last))
        return false;
    for (int i = first; i <= last; ++i)
        lines_[std::size_t(i)].selected = select;
    return true;
}

bool HeadlessListBox::SetCaretIndex(int index) {
    if (!Valid(index))
        return false;
    caret_ = index;
    return true;
}

bool HeadlessListBox::MeasureText(const std::string& text, int& width) const {
    if (!hasDrawingContext)
        return false;
    width = int(std::min<std::size_t>(text.size(), 1u << 24)) * charWidth;
    return true;
}

int HeadlessComboBox::AddString(const std::string& text) {
    items_.push_back(text);
    return int(items_.size()) - 1;
}

int HeadlessComboBox::DeleteString(int index) {
    if (index < 0 || index >= int(items_.size()))
        return -1;
    items_.erase(items_.begin() + index);
    return int(items_.size());
}

void HeadlessComboBox::ResetContent() {
    items_.clear();
    cur_ = -1;
}

bool HeadlessComboBox::GetLBText(int index, std::string& out) const {
    if (index < 0 || index >= int(items_.size()))
        return false;
    out = items_[index];
    return true;
}

void HeadlessComboBox::SetCurSel(int index) {
    cur_ = (index >= 0 && index < int(items_.size())) ? index : -1;
    if (cur_ >= 0)
        text_ = items_[cur_];
}

void HeadlessRichEdit::SetText(const std::string& text) {
    text_ = text;
    rtf_.clear();
    selStart_ = selEnd_ = 0;
    Changed();
}

bool HeadlessRichEdit::Paste() {
    if (clipboard_.beforeRead)
        clipboard_.beforeRead();
    if (!clipboard_.HasText())
        return false;
    const std::string rtf = clipboard_.Rtf();
    const std::string text = rtf.empty() ? clipboard_.Text() : RtfToPlainText(rtf);
    const bool whole = text_.empty();
    text_.replace(std::size_t(selStart_), std::size_t(selEnd_ - selStart_), text);
    rtf_ = whole ? rtf : std::string();
    selStart_ = selEnd_ = selStart_ + long(text.size());
    Changed();
    return true;
}

bool HeadlessRichEdit::Copy() {
    if (selStart_ == selEnd_)
        return false;
    const std::string part = text_.substr(std::size_t(selStart_), std::size_t(selEnd_ - selStart_));
    const bool whole = selStart_ == 0 && selEnd_ == long(text_.size());
    if (!clipboard_.Open(0))
        return false;
    clipboard_.Empty();
    clipboard_.SetText(part, whole && !rtf_.empty() ? rtf_ : MakeRtfDocument(part));
    clipboard_.Close();
    return true;
}

std::string HeadlessRichEdit::GetFirstChars(long n) const {
    return text_.substr(0, std::size_t(std::max(0L, n)));
}

void HeadlessRichEdit::GetSel(long& start, long& end) const {
    start = selStart_;
    end = selEnd_;
}

void HeadlessRichEdit::SetSel(long start, long end) {
    const long len = long(text_.size());
    if (end < 0 || end > len)
        end = len;
    start = std::clamp(start, 0L, len);
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
}

bool HeadlessRichEdit::StreamOut(StreamFormat format, const ChunkSink& sink) {
    const auto write = [&sink](const char* data, std::size_t n) { sink(data, long(n)); };
    if (format == StreamFormat::Rtf && rtf_.empty()) {
        WriteRtfDocument(text_, write);
        return true;
    }
    // Hand the document over in chunks, as the real control does.
    const std::string& doc = format == StreamFormat::Text ? text_ : rtf_;
    const std::size_t chunk = 4096;
    for (std::size_t pos = 0; pos < doc.size(); pos += chunk)
        write(doc.data() + pos, std::min(chunk, doc.size() - pos));
    return true;
}

bool HeadlessRichEdit::StreamIn(StreamFormat format, const ChunkSource& source) {
    if (outOfMemoryOnImport)
        throw std::bad_alloc();
    std::string data;
    std::string buf(std::size_t(importChunk), '\0');
    for (;;) {
        const long got = source(buf.data(), importChunk);
        if (got <= 0)
            break;
        data.append(buf.data(), std::size_t(got));
    }
    if (format == StreamFormat::Rtf) {
        text_ = RtfToPlainText(data);
        rtf_ = data;
    } else {
        text_ = data;
        rtf_.clear();
    }
    selStart_ = selEnd_ = 0;
    Changed();
    return true;
}

CharFormat HeadlessRichEdit::GetSelectionCharFormat() const {
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        if (it->start == selStart_ && it->end == selEnd_)
            return it->format;
    return format_;
}

void HeadlessRichEdit::SetSelectionCharFormat(const CharFormat& format) {
    runs.push_back(FormatRun{selStart_, selEnd_, format});
}

void HeadlessRichEdit::Changed() {
    runs.clear();
    if (notifying_ && onChange)
        onChange();
}

void WriteRtfDocument(const std::string& text, const ChunkWriter& write) {
    // Encoded through a small buffer, as the real control streams from its own storage.
    char buf[4096];
    std::size_t used = 0;
    auto put = [&](const char* data, std::size_t n) {
        if (used + n > sizeof buf) {
            write(buf, used);
            used = 0;
        }
        std::memcpy(buf + used, data, n);
        used += n;
    };
    static const char kHeader[] = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    put(kHeader, sizeof kHeader - 1);
    for (unsigned char c : text) {
        char esc[8];
        if (c == '\\' || c == '{' || c == '}') {
            esc[0] = '\\';
            esc[1] = char(c);
            put(esc, 2);
        } else if (c == '\n') {
            put("\\par\n", 5);
        } else if (c == '\r') {
            // The line break is written once, at its line feed.
        } else if (c >= 0x80) {
            std::snprintf(esc, sizeof esc, "\\'%02x", c);
            put(esc, 4);
        } else {
            esc[0] = char(c);
            put(esc, 1);
        }
    }
    put("}", 1);
    if (used)
        write(buf, used);
}

std::string MakeRtfDocument(const std::string& text) {
    std::string rtf;
    WriteRtfDocument(text, [&rtf](const char* data, std::size_t n) { rtf.append(data, n); });
    return rtf;
}

std::string RtfToPlainText(const std::string& rtf) {
    std::string text;
    int depth = 0;
    int skipDepth = -1; // inside a destination such as the font table
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            if (i + 1 < rtf.size() && rtf[i + 1] == '\\' && skipDepth < 0) {
                const std::size_t j = i + 2;
                if (rtf.compare(j, 7, "fonttbl") == 0 || rtf.compare(j, 8, "colortbl") == 0 ||
                    (j < rtf.size() && rtf[j] == '*'))
                    skipDepth = depth;
            }
        } else if (c == '}') {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
        } else if (c == '\\') {
            if (i + 1 >= rtf.size())
                break;
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                if (skipDepth < 0)
                    text += n;
                ++i;
            } else if (n == '\'' && i + 3 < rtf.size()) {
                if (skipDepth < 0)
                    text += char(std::stoi(rtf.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                std::size_t j = i + 1;
                while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                    ++j;
                const std::string word = rtf.substr(i + 1, j - i - 1);
                while (j < rtf.size() &&
                       (std::isdigit(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-'))
                    ++j;
                if (j < rtf.size() && rtf[j] == ' ')
                    ++j;
                if (skipDepth < 0 && (word == "par" || word == "line"))
                    text += "\r\n";
                else if (skipDepth < 0 && word == "tab")
                    text += '\t';
                i = j - 1;
            }
        } else if (c == '\r' || c == '\n') {
            // Line breaks in RTF source are not text.
        } else if (skipDepth < 0 && depth > 0) {
            text += c;
        }
    }
    return text;
}

} // namespace qv::platform::headless
