# The core on Linux, over the scripted host, with its unit tests.
find_package(GTest REQUIRED)
include(GoogleTest)

option(TARQUEN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TARQUEN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # The core was added before this option was read.
    target_compile_options(tarquen_core PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()

option(TARQUEN_FUZZ "Build the libFuzzer target over random product trees (clang)" OFF)
if(TARQUEN_FUZZ)
    set(fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_compile_options(${fuzz_flags})
    target_compile_options(tarquen_core PRIVATE ${fuzz_flags})
endif()

add_library(scripted_host STATIC
    tests/support/scripted_host.cpp
    tests/support/test_support.cpp
    tests/support/random_tree.cpp
)
target_include_directories(scripted_host PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(scripted_host PUBLIC tarquen_core)
target_compile_options(scripted_host PRIVATE -Wall -Wextra)

add_executable(unit_tests
    tests/unit/report_sink_test.cpp
    tests/unit/report_run_test.cpp
    tests/unit/report_texts_test.cpp
    tests/unit/host_facts_test.cpp
    tests/unit/drive_survey_test.cpp
    tests/unit/key_listing_test.cpp
    tests/unit/product_inventory_test.cpp
    tests/unit/random_tree_test.cpp
)
target_link_libraries(unit_tests PRIVATE scripted_host GTest::gtest_main)
target_compile_options(unit_tests PRIVATE -Wall -Wextra)
gtest_discover_tests(unit_tests)

# The inventory benchmark, built where Google Benchmark is installed (not a test).
find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_executable(inventory_benchmark bench/inventory_benchmark.cpp)
    target_link_libraries(inventory_benchmark PRIVATE scripted_host benchmark::benchmark)
endif()

if(TARQUEN_FUZZ)
    add_executable(tree_fuzzer tests/fuzz/tree_fuzzer.cpp)
    target_link_libraries(tree_fuzzer PRIVATE scripted_host)
    target_link_options(tree_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
endif()
