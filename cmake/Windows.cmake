# Cross build with mingw-w64: static, so nothing is needed beyond the system's DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB VENTARO_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(ventaro_win32 STATIC ${VENTARO_WIN32_SOURCES})
target_link_libraries(ventaro_win32 PUBLIC ventaro_core)
target_compile_definitions(ventaro_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)

option(VENTARO_TESTS "Build the tests that run under Wine" ON)
if(VENTARO_TESTS)
  # GoogleTest from Debian's sources, built with this toolchain.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  enable_testing()

  # The registry-layer contract against the real registry and profile functions.
  add_executable(contract_tests tests/contract/registry_contract_test.cpp tests/contract/win32_backend.cpp)
  target_include_directories(contract_tests PRIVATE tests)
  target_link_libraries(contract_tests PRIVATE ventaro_win32 gtest gtest_main advapi32 shlwapi)
  add_test(NAME wine.contract COMMAND ${VENTARO_WINE} contract_tests.exe)
endif()

include(cmake/Help.cmake)
include(cmake/Art.cmake)
include(cmake/Win32Tests.cmake)
