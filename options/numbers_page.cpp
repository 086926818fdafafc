#include "options/numbers_page.h"
#include "resource.h"
#include <string>

namespace qv {

namespace {
constexpr char kDefaultSeparator = ',';
struct Choice {
    int id;
    char separator;
};
constexpr Choice kChoices[] = {
    {IDC_NUMBERS_COMMA, ','},
    {IDC_NUMBERS_DOT, '.'},
    {IDC_NUMBERS_SPACE, ' '},
};
} // namespace

void CNumbersPage::Init() {
    auto& w = Window();
    const CNumberFormat& numbers = context_.values.numbers;
    w.Button(IDC_NUMBERS_USE_SEPARATOR).SetChecked(IsOn(numbers.useThousandsSep));
    bool listed = false;
    for (const Choice& c : kChoices) {
        const bool chosen = numbers.thousandsSeparator == c.separator;
        w.Button(c.id).SetChecked(chosen);
        listed = listed || chosen;
    }
    w.Button(IDC_NUMBERS_OTHER).SetChecked(!listed);
    auto& other = w.Edit(IDC_NUMBERS_OTHER_TEXT);
    other.SetLimitText(1);
    if (!listed)
        other.SetText(std::string(1, numbers.thousandsSeparator));
    EnableChoices();
    w.SetModified(false);
}

void CNumbersPage::EnableChoices() {
    auto& w = Window();
    const bool on = w.Button(IDC_NUMBERS_USE_SEPARATOR).IsChecked();
    for (int id : {IDC_NUMBERS_COMMA, IDC_NUMBERS_DOT, IDC_NUMBERS_SPACE, IDC_NUMBERS_OTHER})
        w.Control(id).Enable(on);
    EnableOtherField();
}

void CNumbersPage::EnableOtherField() {
    auto& w = Window();
    w.Control(IDC_NUMBERS_OTHER_TEXT)
        .Enable(w.Button(IDC_NUMBERS_USE_SEPARATOR).IsChecked() &&
                w.Button(IDC_NUMBERS_OTHER).IsChecked());
    w.SetModified(true);
}

void CNumbersPage::OnCommand(int id, int notifyCode) {
    if (notifyCode != platform::kButtonClicked)
        return;
    switch (id) {
    case IDC_NUMBERS_USE_SEPARATOR:
        EnableChoices();
        break;
    case IDC_NUMBERS_COMMA:
    case IDC_NUMBERS_DOT:
    case IDC_NUMBERS_SPACE:
    case IDC_NUMBERS_OTHER:
        EnableOtherField();
        break;
    default:
        break;
    }
}

void CNumbersPage::Read() {
    auto& w = Window();
    CNumberFormat& numbers = context_.values.numbers;
    numbers.useThousandsSep = w.Button(IDC_NUMBERS_USE_SEPARATOR).IsChecked();
    numbers.thousandsSeparator = kDefaultSeparator;
    for (const Choice& c : kChoices)
        if (w.Button(c.id).IsChecked())
            numbers.thousandsSeparator = c.separator;
    if (w.Button(IDC_NUMBERS_OTHER).IsChecked()) {
        // Only a single character is a separator; an empty (or pasted longer) field is a comma.
        const std::string other = w.Edit(IDC_NUMBERS_OTHER_TEXT).GetText();
        numbers.thousandsSeparator = other.size() == 1 ? other[0] : kDefaultSeparator;
    }
}

bool CNumbersPage::OnApply() {
    COptionsPage::OnApply();
    // Shown in the main window's counts while the sheet is still open.
    context_.host.SetNumberFormat(context_.values.numbers);
    return true;
}

} // namespace qv
