// The installer tests: GoogleTest cases that install, upgrade and uninstall Quorvane with its
// setup program under Wine. Arguments after GoogleTest's own: --setup <setup.exe>
// [--artifacts <folder>].
#include "driver/program.h"
#include "installation.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qv::e2e::DriverOptions& options = qv::e2e::Options();
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--setup")
            qv::e2e::SetupPath() = argv[++i];
        else if (name == "--artifacts")
            options.artifacts = argv[++i];
    }
    if (qv::e2e::SetupPath().empty()) {
        std::fprintf(stderr, "usage: %s --setup <setup.exe> [--artifacts <folder>]\n", argv[0]);
        return 2;
    }
    // The program the driver starts is the installed one.
    options.program = qv::e2e::InstalledProgram();
    return RUN_ALL_TESTS();
}
