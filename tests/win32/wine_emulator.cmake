# The emulator that runs the cross-built test programs: scripts/wine-run.sh gives each run its own
# Xvfb and a fresh Wine prefix copied from a template booted once into the build folder.
set(QV_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --template ${CMAKE_BINARY_DIR}/wine-template)

# qv_wine_test(<target> <test name> <timeout seconds> [program arguments...]): one ctest test that
# runs the whole program under Wine (gtest discovery would have to start Wine at build time).
function(qv_wine_test target name timeout)
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
                        "${QV_WINE_RUN};--timeout;${timeout}")
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  # ctest's own limit sits above the wrapper's, so the wrapper reports the timeout with its details.
  math(EXPR ctest_timeout "${timeout} + 60")
  # A run that fails leaves a picture of its screen here (the wrapper prints the path).
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ctest_timeout}
                       ENVIRONMENT "QV_WINE_SCREENSHOT=${CMAKE_BINARY_DIR}/wine-screenshots")
endfunction()

# Windows programs here are single files: the C and C++ runtimes linked in.
function(qv_static_runtime target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# The program's resources (dialog templates, accelerators, strings, icon) for test programs that
# create the real dialogs: QV_RESOURCE_SCRIPT and QV_RESOURCE_DEPENDS come from resources/.
