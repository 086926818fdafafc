// The layout of a tip string ("text | topic") and the arithmetic of showing one.
#pragma once
#include <string>

namespace qv {

struct TipParts {
    std::string text;  // before the first vertical bar, trailing white space removed
    std::string topic; // after it, leading white space removed; empty without a bar
};
TipParts SplitTip(const std::string& tip);

// The topic of a tip string, or noTopic when it has no vertical bar.
std::string TopicOfTip(const std::string& tip, const std::string& noTopic);

// The tip count as the count string gives it: leading digits after optional white space and
// sign, 0 for text that is not a number, at most the largest int.
int ParseTipCount(const std::string& text);

// How many spaces centre a first line of lineWidth pixels in a field clientWidth wide, spaces
// being spaceWidth wide; 0 when it does not fit or nothing is known.
int CentringSpaces(int lineWidth, int spaceWidth, int clientWidth);

} // namespace qv
