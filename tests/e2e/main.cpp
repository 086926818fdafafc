// The end-to-end driver: GoogleTest cases that run Quorvane.exe as a user and other applications
// would. Arguments after GoogleTest's own: --program <Quorvane.exe> [--artifacts <folder>];
// QV_PROGRAM and QV_ARTIFACTS in the environment serve as well.
#include "driver/program.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qv::e2e::DriverOptions& options = qv::e2e::Options();
    if (const char* program = std::getenv("QV_PROGRAM"))
        options.program = program;
    if (const char* artifacts = std::getenv("QV_ARTIFACTS"))
        options.artifacts = artifacts;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--program")
            options.program = argv[++i];
        else if (name == "--artifacts")
            options.artifacts = argv[++i];
        else if (name == "--recorder")
            options.recorder = argv[++i];
    }
    if (options.program.empty()) {
        std::fprintf(stderr, "usage: %s --program <Quorvane.exe> [--artifacts <folder>]\n",
                     argv[0]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
