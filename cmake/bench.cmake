# Benchmarks, built only when RENAMER_BENCH is on (bench/run.sh turns it on in build folders of
# their own, optimised and without sanitizers); the test build never builds or runs them.
option(RENAMER_BENCH "Build the benchmarks" OFF)
if(RENAMER_BENCH)
  if(WIN32)
    # Times a whole operation through the real window against a bare MoveFileA loop, and the
    # filling of the real list view.
    file(GLOB WIN32_BENCH_SOURCES CONFIGURE_DEPENDS bench/win32/*.cpp)
    add_executable(win32_bench ${WIN32_BENCH_SOURCES} tests/win32/box_answerer.cpp
      tests/win32/temp_folder.cpp)
    renamer_options(win32_bench)
    target_include_directories(win32_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32
      ${PROJECT_SOURCE_DIR}/bench/common)
    target_link_libraries(win32_bench PRIVATE renamer_win32)
  else()
    find_package(benchmark REQUIRED)
    file(GLOB NATIVE_BENCH_SOURCES CONFIGURE_DEPENDS bench/native/*.cpp)
    add_executable(native_bench ${NATIVE_BENCH_SOURCES} tests/native/fake_form.cpp
      tests/native/fake_file_system.cpp)
    renamer_options(native_bench)
    target_include_directories(native_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/native
      ${PROJECT_SOURCE_DIR}/bench/common)
    target_link_libraries(native_bench PRIVATE renamer_core benchmark::benchmark_main)
  endif()
endif()
