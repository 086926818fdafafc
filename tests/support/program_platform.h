// The headless platform with the program's own string resources, as the program runs on it.
#pragma once
#include "headless_platform.h"
#include "resources/resource_tables.h"

namespace qv::test {

class ProgramPlatform : public platform::headless::HeadlessPlatform {
  public:
    ProgramPlatform() { strings.table = ProgramStrings(); }
};

} // namespace qv::test
