// Control interfaces: each is a thin view of one child control of a dialog, reached through the
// dialog's checked accessor.
#pragma once
#include "platform/types.h"
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace qv::platform {

class IControl {
  public:
    virtual ~IControl() = default;
    // A control disabled while it has the keyboard focus first hands the focus on to the next
    // enabled control in tab order, as the Tab key would.
    virtual void Enable(bool on) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    virtual void SetFocus() = 0;
    // Hides or shows the control without activating it.
    virtual void SetVisible(bool visible) = 0;
    // Stops and resumes drawing; resuming repaints at once.
    virtual void SetRedraw(bool on) = 0;
};

// Stops a control's drawing for one scope; drawing resumes when the scope ends, however it ends.
class RedrawPause {
  public:
    explicit RedrawPause(IControl& control) : control_(control) { control_.SetRedraw(false); }
    ~RedrawPause() { control_.SetRedraw(true); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

  private:
    IControl& control_;
};

// Push buttons, check boxes and radio buttons.
class IButton : public IControl {
  public:
    virtual bool IsChecked() const = 0;
    virtual void SetChecked(bool on) = 0;
};

using ILabel = IControl;

// A list box with extended selection, or with single selection where selecting a line deselects
// the others. Results follow the platform: -1 for an error and, when adding, -2 when the list has
// no room.
class IListBox : public IControl {
  public:
    static constexpr int kError = -1;
    static constexpr int kNoRoom = -2;

    virtual int AddString(const std::string& text) = 0;
    virtual int InsertString(int index, const std::string& text) = 0;
    virtual int DeleteString(int index) = 0; // lines left, or kError
    virtual void ResetContent() = 0;
    // Reserves room for lines more lines holding bytes of text, before adding many at once.
    virtual void InitStorage(int lines, std::size_t bytes) = 0;
    virtual int GetCount() const = 0;
    virtual int GetTextLen(int index) const = 0; // kError for a bad index
    virtual bool GetLineText(int index, std::string& out) const = 0;
    virtual bool SetItemData(int index, void* data) = 0;
    virtual bool GetItemData(int index, void*& data) const = 0;
    virtual int GetSelCount() const = 0;
    virtual std::vector<int> GetSelItems() const = 0;
    virtual bool IsSelected(int index) const = 0;
    virtual bool SetSel(int index, bool select) = 0; // index -1: every line
    // Selects or deselects lines first to last in one step (extended selection only).
    virtual bool SetSelRange(int first, int last, bool select) = 0;
    virtual int GetCaretIndex() const = 0;
    virtual bool SetCaretIndex(int index) = 0;
    virtual int GetTopIndex() const = 0;
    virtual void SetHorizontalExtent(int width) = 0;
    virtual int GetHorizontalExtent() const = 0;
    // Width of text in the list's font in device pixels; false when no drawing context is
    // available.
    virtual bool MeasureText(const std::string& text, int& width) const = 0;
};

class IComboBox : public IControl {
  public:
    virtual int AddString(const std::string& text) = 0;
    virtual int DeleteString(int index) = 0;
    virtual void ResetContent() = 0;
    virtual int GetCount() const = 0;
    virtual bool GetLBText(int index, std::string& out) const = 0;
    virtual int GetCurSel() const = 0;
    virtual void SetCurSel(int index) = 0;
};

// A single-line edit field.
class IEdit : public IControl {
  public:
    virtual void SetSel(long start, long end) = 0; // (0, -1) selects all
    virtual void GetSel(long& start, long& end) const = 0;
    // The control's own copy of its selection to the clipboard; false when nothing was copied
    // (no selection, or the clipboard could not be opened).
    virtual bool Copy() = 0;
    virtual bool IsReadOnly() const = 0;
    // The most characters the user can type in.
    virtual void SetLimitText(int characters) = 0;
    // Width of text in the field's font, and of the area the field draws in, in device pixels;
    // false when no drawing context is available.
    virtual bool MeasureText(const std::string& text, int& width) const = 0;
    virtual int GetClientWidth() const = 0;
};

// A static drawn as a link: its text underlined in the link colour, a hand cursor over it, and a
// click reported as a command with kLinkClicked.
class ILink : public IControl {
  public:
    virtual void SetLinkColour(Color colour) = 0; // repaints
    virtual Color LinkColour() const = 0;
};

class ITrackBar : public IControl {
  public:
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual int GetPos() const = 0;
    virtual void SetPos(int position) = 0;
    // How far the arrow keys (line) and Page Up and Page Down (page) move the slider.
    virtual void SetStepSizes(int line, int page) = 0;
};

// A list view in report mode. Rows carry the program's data (owned by the program) and their
// texts are asked for when the control draws them.
class IListView : public IControl {
  public:
    struct Column {
        std::string title;
        int width = 0; // pixels
        bool rightAligned = false;
    };
    using TextSource = std::function<std::string(void* rowData, int column)>;
    // Negative when a comes before b.
    using Compare = std::function<int(void* a, void* b)>;

    virtual void SetColumns(const std::vector<Column>& columns) = 0;
    virtual int GetColumnWidth(int column) const = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
    // Makes the column as wide as its title needs; the last column reaches the list's right edge
    // on the real platform.
    virtual void FitColumnToHeader(int column) = 0;
    // Width of the area the rows are drawn in, in pixels.
    virtual int GetClientWidth() const = 0;
    virtual void SetTextSource(TextSource source) = 0;
    virtual int InsertRow(int index, void* data) = 0; // the row's index, -1 on failure
    virtual bool DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    virtual int GetRowCount() const = 0;
    virtual void* GetRowData(int row) const = 0; // null for a bad row
    virtual int GetSelectedRow() const = 0;      // -1 when none
    virtual void SelectRow(int row) = 0;
    // Reorders the rows through the control.
    virtual void Sort(const Compare& compare) = 0;
    // The text of a cell as the control shows it.
    virtual std::string GetCellText(int row, int column) const = 0;
};

enum class StreamFormat { Rtf, Text };

// The rich-text contents pane.
class IRichEdit : public IControl {
  public:
    // Receives each chunk of an export; a length of 0 or less carries nothing.
    using ChunkSink = std::function<void(const char* data, long length)>;
    // Fills buf with up to capacity bytes and returns how many; 0 ends the import.
    using ChunkSource = std::function<long(char* buf, long capacity)>;

    virtual bool Paste() = 0;
    virtual bool Copy() = 0;
    virtual long GetTextLength() const = 0; // -1 on error
    virtual std::string GetPlainText() const = 0;
    // At most the first n bytes of the plain text; the last character may be cut.
    virtual std::string GetFirstChars(long n) const = 0;
    virtual void GetSel(long& start, long& end) const = 0;
    virtual void SetSel(long start, long end) = 0; // (0, -1) selects all
    virtual bool StreamOut(StreamFormat format, const ChunkSink& sink) = 0;
    virtual bool StreamIn(StreamFormat format, const ChunkSource& source) = 0;
    virtual CharFormat GetDefaultCharFormat() const = 0;
    virtual void SetDefaultCharFormat(const CharFormat& format) = 0;
    // The format of the selected text (the fields the whole selection shares, by the mask).
    virtual CharFormat GetSelectionCharFormat() const = 0;
    virtual void SetSelectionCharFormat(const CharFormat& format) = 0;
    virtual void Repaint() = 0;
    virtual void EnableChangeNotifications() = 0;
};

} // namespace qv::platform
