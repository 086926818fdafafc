// Turns a switch of an object on or off for one scope and back when the scope ends, however it
// ends.
#pragma once

namespace qv {

template <class Target, void (Target::*Set)(bool)> class ScopedSwitch {
  public:
    ScopedSwitch(Target& target, bool during) : target_(target), during_(during) {
        (target_.*Set)(during_);
    }
    ~ScopedSwitch() { (target_.*Set)(!during_); }
    ScopedSwitch(const ScopedSwitch&) = delete;
    ScopedSwitch& operator=(const ScopedSwitch&) = delete;

  private:
    Target& target_;
    bool during_;
};

} // namespace qv
