# Shared settings for every target of the project, and the helpers that declare tests.

# Compile options of our own code: warnings are errors in both builds.
function(velmora_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(WIN32)
    # ANSI entry points, and no min/max macros over std::min and std::max.
    target_compile_definitions(${target} PRIVATE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
  endif()
endfunction()

# A platform-free library: built in both presets. Usage:
#   velmora_library(NAME SOURCES a.cpp ... [LIBS dep ...])
function(velmora_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  velmora_defaults(${name})
endfunction()

# A Win32 library: built in the Windows preset only, and nothing in the native one. Usage:
#   velmora_win32_library(NAME SOURCES a.cpp ... [LIBS dep ...])
function(velmora_win32_library name)
  if(NOT WIN32)
    return()
  endif()
  velmora_library(${name} ${ARGN})
endfunction()

# A native unit test (GoogleTest, sanitizers through the preset). Usage:
#   velmora_native_test(NAME SOURCES a_test.cpp ... [LIBS lib ...])
function(velmora_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  velmora_defaults(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES LABELS native)
endfunction()

# The build folder and the test data kept in the repository as Windows paths (Wine maps / to
# drive Z:).
string(REPLACE "/" "\\" VELMORA_WIN_BIN_DIR "Z:${CMAKE_BINARY_DIR}")
string(REPLACE "/" "\\" VELMORA_WIN_TESTDATA_DIR "Z:${PROJECT_SOURCE_DIR}/tests/data")
string(REPLACE "/" "\\" VELMORA_WIN_SOURCE_DIR "Z:${PROJECT_SOURCE_DIR}")

# A Windows test program, run under Wine by ctest. It finds the deliverables through the
# environment: VELMORA_BIN_DIR (Velmora.scr, Velmora.dll), VELMORA_TESTDATA_DIR and
# VELMORA_SOURCE_DIR. With OTHER_LANGUAGES it runs again in each of VELMORA_OTHER_LANGUAGES as
# NAME_xx_YY (tests/support/in-language.sh), all of it or the tests of LANGUAGE_FILTER. Usage:
#   velmora_wine_test(NAME SOURCES a_test.cpp ... [LIBS lib ...] [TIMEOUT s]
#                     [OTHER_LANGUAGES [LANGUAGE_FILTER gtest-filter]])
function(velmora_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "OTHER_LANGUAGES" "TIMEOUT;LANGUAGE_FILTER" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  velmora_defaults(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  velmora_wine_test_properties(${name} ${ARG_TIMEOUT})
  if(NOT ARG_OTHER_LANGUAGES)
    return()
  endif()
  set(filter)
  if(ARG_LANGUAGE_FILTER)
    set(filter --gtest_filter=${ARG_LANGUAGE_FILTER})
  endif()
  foreach(language ${VELMORA_OTHER_LANGUAGES})
    add_test(NAME ${name}_${language}
      COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/in-language.sh ${language}
        wine $<TARGET_FILE:${name}> ${filter})
    velmora_wine_test_properties(${name}_${language} ${ARG_TIMEOUT})
  endforeach()
endfunction()

# Every Wine test shares one screen (and a prefix and wineserver per language): window titles
# such as "Vantri_Main" are global there, so the tests run one at a time.
function(velmora_wine_test_properties test timeout)
  set_tests_properties(${test} PROPERTIES
    LABELS wine
    TIMEOUT ${timeout}
    RUN_SERIAL TRUE
    ENVIRONMENT "VELMORA_BIN_DIR=${VELMORA_WIN_BIN_DIR};VELMORA_TESTDATA_DIR=${VELMORA_WIN_TESTDATA_DIR};VELMORA_SOURCE_DIR=${VELMORA_WIN_SOURCE_DIR}")
endfunction()

# The system languages besides Japanese that the settings are tested in: English (code page
# 1252), Russian (1251), Simplified Chinese (936) and Korean (949).
set(VELMORA_OTHER_LANGUAGES en_US ru_RU zh_CN ko_KR)

# One of the two Windows programs: DPI-aware, with version information, written to the top of the
# build folder under its shipped name. Usage:
#   velmora_deliverable(TARGET FILE Name.ext DESCRIPTION "..." SOURCES a.cpp ... LIBS lib ...)
function(velmora_deliverable target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "FILE;DESCRIPTION" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} WIN32 ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/dpi-aware.rc)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  velmora_defaults(${target})
  get_filename_component(stem ${ARG_FILE} NAME_WE)
  get_filename_component(suffix ${ARG_FILE} LAST_EXT)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${stem}
    SUFFIX ${suffix}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  set(VELMORA_FILE_DESCRIPTION "${ARG_DESCRIPTION}")
  set(VELMORA_ORIGINAL_FILENAME "${ARG_FILE}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
