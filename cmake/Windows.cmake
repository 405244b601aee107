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
include(cmake/Bench.cmake)

# Ventaro.exe: the window code over the Win32 platform, with its resources.
file(GLOB VENTARO_UI_SOURCES CONFIGURE_DEPENDS src/platform/win32/ui/*.cpp)
add_executable(Ventaro WIN32 ${VENTARO_UI_SOURCES})
target_link_libraries(Ventaro PRIVATE ventaro_resources ventaro_win32 comctl32 shlwapi gdi32 advapi32)

if(VENTARO_TESTS)
  # End to end: a test program drives the real Ventaro.exe under Wine.
  add_executable(e2e_tests tests/wine/driver.cpp tests/wine/e2e_test.cpp)
  target_include_directories(e2e_tests PRIVATE src tests/wine)
  target_link_libraries(e2e_tests PRIVATE ventaro_core gtest gtest_main shlwapi advapi32)
  add_dependencies(e2e_tests Ventaro)
  add_test(NAME wine.e2e COMMAND ${VENTARO_WINE} e2e_tests.exe)
endif()
