// A static control that behaves as a link: it takes clicks (its hit test answers the client
// area), shows the hand cursor, reports a click to its dialog as a command, and paints its text
// underlined in the link colour when its dialog asks for the colours.
#pragma once
#include "win32_controls.h"
#include "win32_handles.h"

namespace qv::platform::win32 {

class LinkView : public ControlView<ILink> {
  public:
    // Subclasses the static; the subclass goes with the window or with this view.
    explicit LinkView(HWND window);
    ~LinkView() override;
    LinkView(const LinkView&) = delete;
    LinkView& operator=(const LinkView&) = delete;

    void SetLinkColour(Color colour) override;
    Color LinkColour() const override { return colour_; }

    // The answer to the dialog's WM_CTLCOLORSTATIC for this control: the underlined font and
    // the link colour on a transparent background for a static that shows text (the font is
    // made at the first paint); null for other statics (an icon), which draw as usual.
    HBRUSH PaintColours(HDC dc);
    // The font the link draws its text with; null until the first paint.
    HFONT LinkFont() const { return static_cast<HFONT>(font_.get()); }

  private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);

    Color colour_;
    UniqueGdiObject font_;
    bool subclassed_ = false;
};

// The hand cursor of every link, loaded once per process; null when the platform has none, and
// then never asked for again.
HCURSOR LinkCursor();

} // namespace qv::platform::win32
