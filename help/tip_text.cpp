#include "help/tip_text.h"
#include "text/white_space.h"
#include <climits>

namespace qv {

TipParts SplitTip(const std::string& tip) {
    const std::size_t bar = tip.find('|');
    if (bar == std::string::npos)
        return TipParts{tip, std::string()};
    const std::size_t textEnd = tip.find_last_not_of(kWhiteSpace, bar == 0 ? 0 : bar - 1);
    TipParts parts;
    if (bar > 0 && textEnd != std::string::npos)
        parts.text = tip.substr(0, textEnd + 1);
    const std::size_t topicStart = tip.find_first_not_of(kWhiteSpace, bar + 1);
    if (topicStart != std::string::npos)
        parts.topic = tip.substr(topicStart);
    return parts;
}

std::string TopicOfTip(const std::string& tip, const std::string& noTopic) {
    return tip.find('|') == std::string::npos ? noTopic : SplitTip(tip).topic;
}

int ParseTipCount(const std::string& text) {
    std::size_t i = text.find_first_not_of(kWhiteSpace);
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if ((value = value * 10 + (text[i] - '0')) > INT_MAX)
            value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

int CentringSpaces(int lineWidth, int spaceWidth, int clientWidth) {
    if (spaceWidth <= 0)
        return 0;
    const int spaces = (clientWidth - lineWidth) / (2 * spaceWidth);
    return spaces > 0 ? spaces : 0;
}

} // namespace qv
