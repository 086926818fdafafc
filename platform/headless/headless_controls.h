// In-memory controls of the headless back end.
#pragma once
#include "platform/controls.h"
#include <functional>
#include <string>
#include <vector>

namespace qv::platform::headless {

class HeadlessClipboard;

// Set by the dialog that holds a control, which keeps the keyboard focus.
struct FocusHooks {
    std::function<void()> focused, beforeDisabled;
};

template <class Interface> class ControlBase : public Interface, public FocusHooks {
  public:
    void Enable(bool on) override {
        if (!on && enabled_ && beforeDisabled)
            beforeDisabled();
        enabled_ = on;
    }
    bool IsEnabled() const override { return enabled_; }
    void SetText(const std::string& text) override { text_ = text; }
    std::string GetText() const override { return text_; }
    void SetFocus() override {
        ++focusCount;
        if (focused)
            focused();
    }
    void SetVisible(bool visible) override { this->visible = visible; }
    void SetRedraw(bool on) override { redrawOn = on; }
    int focusCount = 0;
    bool visible = true;
    bool redrawOn = true;

  protected:
    bool enabled_ = true;
    std::string text_;
};

class HeadlessButton : public ControlBase<IButton> {
  public:
    bool IsChecked() const override { return checked_; }
    void SetChecked(bool on) override { checked_ = on; }

  private:
    bool checked_ = false;
};

using HeadlessLabel = ControlBase<IControl>;

class HeadlessListBox : public ControlBase<IListBox> {
  public:
    explicit HeadlessListBox(bool single = false) : single(single) {}
    void InitStorage(int lines, std::size_t /*bytes*/) override {
        lines_.reserve(lines_.size() + std::size_t(lines));
        reserved += lines;
    }
    int AddString(const std::string& text) override;
    int InsertString(int index, const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override { return countsFail ? kError : int(lines_.size()); }
    int GetTextLen(int index) const override;
    bool GetLineText(int index, std::string& out) const override;
    bool SetItemData(int index, void* data) override;
    bool GetItemData(int index, void*& data) const override;
    int GetSelCount() const override;
    std::vector<int> GetSelItems() const override;
    bool IsSelected(int index) const override;
    bool SetSel(int index, bool select) override;
    bool SetSelRange(int first, int last, bool select) override;
    int GetCaretIndex() const override { return caret_; }
    bool SetCaretIndex(int index) override;
    int GetTopIndex() const override { return 0; }
    void SetHorizontalExtent(int width) override { extent_ = width; }
    int GetHorizontalExtent() const override { return extent_; }
    bool MeasureText(const std::string& text, int& width) const override;

    // Test controls: how many lines fit, pixels per character, whether a drawing context exists,
    // and lines whose item data the platform reports as an error.
    int maxLines = 32767;
    int charWidth = 6;
    bool hasDrawingContext = true;
    std::vector<int> brokenDataLines;
    // Reading a line's text runs out of memory.
    int reserved = 0;       // lines reserved ahead
    int selectionCalls = 0; // SetSel and SetSelRange calls, each a message on the real control
    const bool single;      // selecting a line deselects the others
    bool outOfMemoryOnText = false;
    // The line and selection counts report the platform's error.
    bool countsFail = false;
    // Reading any line's text reports the platform's error.
    bool textFails = false;
    // Storing a line's item data reports the platform's error.
    bool setDataFails = false;
    // After this many more lines go in, the next one is refused as when memory runs out (once).
    int insertsBeforeFailure = -1;

  private:
    bool Valid(int index) const { return index >= 0 && index < int(lines_.size()); }
    struct Line {
        std::string text;
        void* data = nullptr;
        bool selected = false;
    };
    std::vector<Line> lines_;
    int caret_ = 0;
    int extent_ = 0;
};

class HeadlessComboBox : public ControlBase<IComboBox> {
  public:
    int AddString(const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCount() const override { return int(items_.size()); }
    bool GetLBText(int index, std::string& out) const override;
    int GetCurSel() const override { return cur_; }
    void SetCurSel(int index) override;

  private:
    std::vector<std::string> items_;
    int cur_ = -1;
};

// A single-line edit; Copy puts its selection on the clipboard as text.
class HeadlessEdit : public ControlBase<IEdit> {
  public:
    HeadlessEdit(HeadlessClipboard& clipboard, bool readOnly)
        : readOnly_(readOnly), clipboard_(clipboard) {}
    void SetSel(long start, long end) override;
    void GetSel(long& start, long& end) const override;
    bool Copy() override;
    bool IsReadOnly() const override { return readOnly_; }
    void SetLimitText(int characters) override { limit = characters; }
    bool MeasureText(const std::string& text, int& width) const override;
    int GetClientWidth() const override { return clientWidth; }
    int copyCount = 0;
    int limit = -1; // none
    // Pixels per character and of the drawing area, and whether a drawing context exists.
    int charWidth = 6;
    int clientWidth = 300;
    bool hasDrawingContext = true;

  private:
    bool readOnly_;
    HeadlessClipboard& clipboard_;
    long selStart_ = 0, selEnd_ = 0;
};

class HeadlessLink : public ControlBase<ILink> {
  public:
    void SetLinkColour(Color colour) override {
        colour_ = colour;
        ++repaintCount;
    }
    Color LinkColour() const override { return colour_; }
    int repaintCount = 0;

  private:
    Color colour_ = 0;
};

class HeadlessTrackBar : public ControlBase<ITrackBar> {
  public:
    void SetRange(int minimum, int maximum) override;
    int GetPos() const override { return position_; }
    void SetPos(int position) override;
    void SetStepSizes(int line, int page) override {
        lineSize = line;
        pageSize = page;
    }
    int minimum = 0, maximum = 100;
    int lineSize = 1, pageSize = 10;

  private:
    int position_ = 0;
};

// A report list view in memory: rows with their data, texts from the source, sorted through the
// comparison it is given.
class HeadlessListView : public ControlBase<IListView> {
  public:
    void SetColumns(const std::vector<Column>& columns) override { columns_ = columns; }
    int GetColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void FitColumnToHeader(int column) override;
    int GetClientWidth() const override { return clientWidth; }
    void SetTextSource(TextSource source) override { source_ = std::move(source); }
    int InsertRow(int index, void* data) override;
    bool DeleteRow(int row) override;
    void DeleteAllRows() override;
    int GetRowCount() const override { return int(rows_.size()); }
    void* GetRowData(int row) const override;
    int GetSelectedRow() const override { return selected_; }
    void SelectRow(int row) override;
    void Sort(const Compare& compare) override;
    std::string GetCellText(int row, int column) const override;
    const std::vector<Column>& Columns() const { return columns_; }
    int clientWidth = 300;
    // Pixels per character of a column title, and the room around it.
    int charWidth = 6;
    static constexpr int kHeaderPadding = 12;
    // Inserting a row reports the platform's failure.
    bool insertFails = false;

  private:
    std::vector<Column> columns_;
    std::vector<void*> rows_;
    TextSource source_;
    int selected_ = -1;
};

// A rich-text pane that keeps plain text and, when its contents came from an RTF document and
// were not edited since, that document.
class HeadlessRichEdit : public ControlBase<IRichEdit> {
  public:
    explicit HeadlessRichEdit(HeadlessClipboard& clipboard) : clipboard_(clipboard) {}
    void SetText(const std::string& text) override;
    bool Paste() override;
    bool Copy() override;
    long GetTextLength() const override { return lengthFails ? -1 : long(text_.size()); }
    std::string GetPlainText() const override { return text_; }
    std::string GetFirstChars(long n) const override;
    void GetSel(long& start, long& end) const override;
    void SetSel(long start, long end) override;
    bool StreamOut(StreamFormat format, const ChunkSink& sink) override;
    bool StreamIn(StreamFormat format, const ChunkSource& source) override;
    CharFormat GetDefaultCharFormat() const override { return format_; }
    void SetDefaultCharFormat(const CharFormat& format) override { format_ = format; }
    // A selection that was given a format of its own reads it back; any other reads the default.
    CharFormat GetSelectionCharFormat() const override;
    void SetSelectionCharFormat(const CharFormat& format) override;
    void Repaint() override { ++repaintCount; }
    void EnableChangeNotifications() override { notifying_ = true; }

    std::string rtf() const { return rtf_; }
    // Called on every change of the text once notifications are enabled.
    std::function<void()> onChange;
    // Chunk size the pane asks its import callback for.
    long importChunk = 4096;
    // An import runs out of memory.
    bool outOfMemoryOnImport = false;
    // The text length reports an error.
    bool lengthFails = false;
    int repaintCount = 0;
    // The formats given to ranges of the text, latest last; a new text drops them.
    struct FormatRun {
        long start, end;
        CharFormat format;
    };
    std::vector<FormatRun> runs;

  private:
    void Changed();
    HeadlessClipboard& clipboard_;
    std::string rtf_;
    CharFormat format_;
    long selStart_ = 0, selEnd_ = 0;
    bool notifying_ = false;
};

// Minimal RTF for the headless pane: a valid document around the text, and its plain text back.
using ChunkWriter = std::function<void(const char* data, std::size_t length)>;
void WriteRtfDocument(const std::string& text, const ChunkWriter& write);
std::string MakeRtfDocument(const std::string& text);
std::string RtfToPlainText(const std::string& rtf);

} // namespace qv::platform::headless
