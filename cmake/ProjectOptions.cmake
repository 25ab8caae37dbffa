# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and sanitizers shared by every target of the project.
add_library(p10_options INTERFACE)
if(MSVC)
  # The sources are UTF-8 (the Japanese texts); MSVC would read them in the system's code page.
  target_compile_options(p10_options INTERFACE /W4 /permissive- /utf-8)
  if(P10SIGN_WERROR)
    target_compile_options(p10_options INTERFACE /WX)
  endif()
  if(P10SIGN_SANITIZE)
    target_compile_options(p10_options INTERFACE /fsanitize=address)
  endif()
else()
  target_compile_options(p10_options INTERFACE -Wall -Wextra -Wpedantic)
  if(P10SIGN_WERROR)
    target_compile_options(p10_options INTERFACE -Werror)
  endif()
  if(P10SIGN_SANITIZE)
    target_compile_options(p10_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(p10_options INTERFACE -fsanitize=address,undefined)
  endif()
  # The hardening Debian builds its programs with: a guarded stack, checked buffer functions
  # (they need the optimizer, and the sanitizers check more), and relocations made read-only
  # before the program starts.
  target_compile_options(p10_options INTERFACE -fstack-protector-strong)
  if(NOT P10SIGN_SANITIZE)
    target_compile_definitions(p10_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  if(UNIX AND NOT APPLE)
    target_link_options(p10_options INTERFACE LINKER:-z,relro LINKER:-z,now)
  endif()
endif()

# One Qt Test executable per tested class or subsystem, registered with CTest.
# Tests run on the offscreen platform so that they need no display, and in Japanese, the language
# their texts are written in, whatever the desktop's language (tests of English ask for it).
function(p10_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE p10core p10_options Qt6::Test ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE P10_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=ja"
    TIMEOUT ${ARG_TIMEOUT})
endfunction()

# Benchmarks are Qt Test executables too, but are run on demand, not by CTest.
function(p10_add_benchmark name)
  qt_add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE p10core p10_options Qt6::Test)
  add_dependencies(benchmarks ${name})
endfunction()
