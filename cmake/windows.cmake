# MinGW-w64 build: the program, its Win32 library and the Windows tests (run under Wine).
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 _WIN32_IE=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(renamer_core STATIC ${CORE_SOURCES})
renamer_options(renamer_core)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp src/app/*_win32.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "win_main_win32\\.cpp$")
add_library(renamer_win32 STATIC ${WIN32_SOURCES})
renamer_options(renamer_win32)
target_link_libraries(renamer_win32 PUBLIC renamer_core comctl32 shlwapi shell32 ole32 gdi32
  user32 comdlg32 uuid)

add_executable(VorlanRename WIN32 src/app/win_main_win32.cpp)
renamer_options(VorlanRename)
target_link_libraries(VorlanRename PRIVATE renamer_win32)

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES})
renamer_options(win32_tests)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32)
target_link_libraries(win32_tests PRIVATE renamer_win32 GTest::gtest_main)
# Each test runs in a process of its own, so a window or hook left behind never leaks.
# The i686 build is only compiled and linked here: this machine cannot run 32-bit code.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(GoogleTest)
  gtest_add_tests(TARGET win32_tests TEST_LIST WIN32_TESTS)
  set_tests_properties(${WIN32_TESTS} PROPERTIES TIMEOUT 120)
endif()
include(cmake/skin.cmake)

# Saves bitmaps of the main window for tools/screenshot.sh.
add_executable(screenshot_driver tools/screenshot_driver.cpp tests/win32/box_answerer.cpp
  tests/win32/temp_folder.cpp)
renamer_options(screenshot_driver)
target_include_directories(screenshot_driver PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32)
target_link_libraries(screenshot_driver PRIVATE renamer_win32)
include(cmake/bench.cmake)
