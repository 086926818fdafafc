// Text comparisons for sorting lists: case-insensitive, and the same with digit runs compared as
// numbers.
#pragma once
#include <string>

namespace qv {

class CTextCompare {
  public:
    virtual ~CTextCompare() = default;
    // Negative, zero or positive as a sorts before, with or after b. Case is ignored for the 26
    // ASCII letters; other bytes compare by value.
    virtual int Compare(const std::string& a, const std::string& b) const;
};

// "Tip 9" sorts before "Tip 10": runs of ASCII digits met at the same place in both texts compare
// as numbers, whatever their length. Other characters compare as signed 8-bit values with the
// ASCII letters lower-cased, and a text that ends first sorts first among ASCII texts.
class CNumberTextCompare : public CTextCompare {
  public:
    int Compare(const std::string& a, const std::string& b) const override;
};

} // namespace qv
