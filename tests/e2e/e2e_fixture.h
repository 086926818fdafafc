// Each case starts the program fresh (user data and clipboard reset) and kills it at the end if
// it is still running; all cases share one Wine prefix.
#pragma once
#include "driver/program.h"
#include "driver/remote.h"
#include "driver/user_data.h"
#include "resource.h"
#include <gtest/gtest.h>

namespace qv::e2e {

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(program_.Start(error)) << error;
    }
    void TearDown() override { program_.Kill(); }
    // Copies as another application would, after the half second in which the program takes a
    // clipboard change for the echo of its own last paste (or of its start).
    bool CopyElsewhere(const std::string& text, const std::string& rtf = std::string()) {
        PumpFor(700);
        return program_.Other().CopyText(text, rtf);
    }
    Program program_;
};

} // namespace qv::e2e
