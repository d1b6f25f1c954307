# Native Linux build: the core and its tests, with AddressSanitizer and UBSan.
option(RENAMER_SANITIZE "Build the native tests with ASan and UBSan" ON)
if(RENAMER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(renamer_core STATIC ${CORE_SOURCES})
renamer_options(renamer_core)

add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
renamer_options(native_tests)
target_include_directories(native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/native)
target_link_libraries(native_tests PRIVATE renamer_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)
include(cmake/skin.cmake)
include(cmake/bench.cmake)
