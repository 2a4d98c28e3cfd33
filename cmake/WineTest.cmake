# Test executables are Windows programs run under Wine. Each Windows family has a Wine prefix of
# its own (build/wine/<family>, made by scripts/wine-session.sh), so a test that depends on the
# family runs once per prefix; the others run in build/wine/main, which plays Windows XP. Tests
# sharing a prefix's registry never run at the same time.
set(WINE_FAMILIES win95 win98 winme nt40 win2k winxp)
set(WINE_DEFAULT_FAMILY winxp)
set(WINE_DEFAULT_PREFIX main)  # plays WINE_DEFAULT_FAMILY
set(WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
set(TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests-bin)

if(EXISTS /usr/src/googletest/CMakeLists.txt AND NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(notification ${CMAKE_SOURCE_DIR}/tests/support/GtestNotification.h)
  target_compile_options(gtest PUBLIC "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${notification}>")
endif()

add_executable(wine_keepalive WIN32 ${CMAKE_SOURCE_DIR}/cmake/wine_keepalive.c)
set_target_properties(wine_keepalive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR})
target_compile_options(wine_keepalive PRIVATE -Werror)

# add_wine_test(name SOURCES ... [LIBS ...] [FAMILIES] [SHARED] [TIMEOUT s])
#   FAMILIES: run once in each family's prefix (otherwise once, in the main prefix).
#   SHARED:   touches nothing another test could trip over, so it may run beside others.
#   OWN_MAIN: the sources bring their own main() (otherwise gtest_main).
function(add_wine_test name)
  cmake_parse_arguments(T "FAMILIES;SHARED;OWN_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main gtest)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR})
  if(T_FAMILIES)
    set(families ${WINE_FAMILIES})
  else()
    set(families ${WINE_DEFAULT_FAMILY})
  endif()
  foreach(family ${families})
    set(test ${name})
    set(prefix ${WINE_DEFAULT_PREFIX})
    if(T_FAMILIES)
      set(test ${name}_${family})
      set(prefix ${family})
    endif()
    add_test(NAME ${test} COMMAND wine $<TARGET_FILE:${name}> --gtest_color=no
             WORKING_DIRECTORY ${TEST_BIN_DIR})
    set_tests_properties(${test} PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "WINEPREFIX=${WINE_ROOT}/${prefix};WINEDEBUG=-all;TEST_FAMILY=${family}")
    if(NOT T_SHARED)
      set_tests_properties(${test} PROPERTIES RESOURCE_LOCK prefix_${prefix})
    endif()
  endforeach()
endfunction()

# A test that runs natively on the build host (a plain command).
function(add_host_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# add_display_test(name target filter prefix display [ENV...]): runs the tests of a wine test
# program that match filter in the prefix, on the display of its own that scripts/wine-session.sh
# starts. Those tests skip themselves elsewhere; here a skip, or no test at all, means the display
# is wrong, and fails the entry.
function(add_display_test name target filter prefix display)
  add_test(NAME ${name}
           COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/on-display.sh ${WINE_ROOT}/${display}
                   wine $<TARGET_FILE:${target}> --gtest_color=no --gtest_filter=${filter}
           WORKING_DIRECTORY ${TEST_BIN_DIR})
  set(environment "WINEPREFIX=${WINE_ROOT}/${prefix};WINEDEBUG=-all;TEST_FAMILY=${WINE_DEFAULT_FAMILY}")
  foreach(extra ${ARGN})
    string(APPEND environment ";${extra}")
  endforeach()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK prefix_${prefix}
    ENVIRONMENT "${environment}"
    FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\];\\[  PASSED  \\] 0 tests")
endfunction()

# The tests on a display of two monitors.
function(add_monitors_test name target filter)
  add_display_test(${name} ${target} ${filter} monitors display-monitors)
endfunction()

# The tests of the keyboard focus, one program at a time on a display where no other test's
# window takes the focus; they know it by KEYS_DISPLAY.
function(add_keys_test name target filter)
  add_display_test(${name} ${target} ${filter} keys display-keys KEYS_DISPLAY=1)
endfunction()
