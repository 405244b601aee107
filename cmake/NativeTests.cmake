# Native build: the portable code and its tests, over the in-memory platform.
find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()

file(GLOB VENTARO_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*_test.cpp tests/contract/*_test.cpp)
add_executable(ventaro_tests ${VENTARO_NATIVE_TESTS} tests/contract/memory_backend.cpp)
target_include_directories(ventaro_tests PRIVATE tests)
target_link_libraries(ventaro_tests PRIVATE ventaro_memory GTest::gtest GTest::gtest_main)
gtest_discover_tests(ventaro_tests DISCOVERY_TIMEOUT 60)
