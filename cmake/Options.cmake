# Warnings as errors for the project's own targets, and the sanitizer switch.
function(qv_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

if(QV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QV_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Coverage instrumentation for the fuzzers reaches into the program's own modules.
if(QV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# GoogleTest from Debian's sources, built with the same compiler and flags as the project.
function(qv_add_googletest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endfunction()

# One static library per folder of the program's logic: qv_module(<name> [dependencies...]).
function(qv_module name)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(qv_${name} STATIC ${srcs})
  target_include_directories(qv_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  list(TRANSFORM ARGN PREPEND qv_ OUTPUT_VARIABLE deps)
  target_link_libraries(qv_${name} PUBLIC qv_platform_api qv_resources ${deps})
  qv_strict(qv_${name})
endfunction()
