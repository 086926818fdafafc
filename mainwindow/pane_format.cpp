#include "mainwindow/pane_format.h"
#include "mainwindow/font_conversion.h"
#include "resource.h"

namespace qv {

platform::CharFormat CPaneFormat::Read(bool& selection) const {
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    long start = 0, end = 0;
    pane.GetSel(start, end);
    selection = start != end;
    return selection ? pane.GetSelectionCharFormat() : pane.GetDefaultCharFormat();
}

void CPaneFormat::Write(bool selection, const platform::CharFormat& format) {
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    if (selection)
        pane.SetSelectionCharFormat(format);
    else
        pane.SetDefaultCharFormat(format);
}

void CPaneFormat::ChooseFont() {
    bool selection = false;
    platform::CharFormat format = Read(selection);
    platform::FontChoice choice;
    FormatToFont(format, platform_.ScreenPixelsPerInch(), choice.font);
    choice.colour = format.color;
    choice.showEffects = settings_.showEffects != 0;
    if (!platform_.ChooseFont(choice, window_.Handle()))
        return;
    FontToFormat(choice.font, platform_.ScreenPixelsPerInch(), format);
    // Without Apply Colors the text keeps its own colours: a selection of several colours read
    // with the first one's, and written with the colour bit, would take that one throughout.
    if (settings_.applyColors != 0)
        format.color = choice.colour;
    else
        format.mask &= ~platform::kMaskColor;
    Write(selection, format);
}

void CPaneFormat::ChooseColour() {
    bool selection = false;
    platform::CharFormat format = Read(selection);
    platform::ColourChoice choice;
    choice.colour = format.color;
    if (!platform_.ChooseColour(choice, window_.Handle()))
        return;
    format.effects &= ~platform::kEffectAutoColor;
    format.color = choice.colour;
    // A selection of several colours reads without the colour bit; the chosen colour is meant
    // for all of it.
    format.mask |= platform::kMaskColor;
    Write(selection, format);
}

} // namespace qv
