// A static control that opens its target through the shell when clicked, drawn in the link
// colour: blue until a target opened, purple from then on.
#pragma once
#include "platform/controls.h"
#include "platform/services.h"
#include <string>

namespace qv {

class CStaticLink {
  public:
    static constexpr platform::Color kUnvisited = platform::Rgb(0, 0, 255);
    static constexpr platform::Color kVisited = platform::Rgb(128, 0, 128);

    // An empty target opens the control's own text.
    explicit CStaticLink(std::string target = std::string()) : target_(std::move(target)) {}

    // Shows the link through the control of the given id; the view belongs to its window.
    void Attach(platform::ILink& view, int controlId);
    // Tries the target, then the control's text, then the string resource numbered like the
    // control; a beep when none of them opens. The first that opens is kept as the target.
    void Follow(platform::IShell& shell, const platform::IStringResources& strings);

    const std::string& Target() const { return target_; }
    platform::Color Colour() const { return colour_; }

  private:
    bool Open(platform::IShell& shell);

    std::string target_;
    platform::Color colour_ = kUnvisited;
    platform::ILink* view_ = nullptr;
    int controlId_ = 0;
};

} // namespace qv
