// The contents pane's character format carried into the font chooser's logical font and back,
// at the display's resolution in pixels per inch.
#pragma once
#include "platform/common_dialogs.h"
#include "platform/types.h"

namespace qv {

// The chooser's font from a character format: a positive (cell) height of the format's twips in
// pixels, truncated; weight, italic, underline and strikeout from the effects; the character set
// only when the mask says it is valid. Everything else of font is left as it was.
void FormatToFont(const platform::CharFormat& format, int pixelsPerInch,
                  platform::LogicalFont& font);

// The character format of a chosen font: size, colour, face, the four effects and the character
// set become valid, the effects are set afresh, the text colour is left as it was. Twips are the
// pixel height in twips rounded up, so 13 pixels at 96 per inch are 195 and 23 at 168 are 198:
// FormatToFont gives the same pixels back at any resolution.
void FontToFormat(const platform::LogicalFont& font, int pixelsPerInch,
                  platform::CharFormat& format);

} // namespace qv
