# Tests of the Win32 file functions, the compiled resources and the registry
# engine over the real registry, run under Wine.
if(VENTARO_TESTS)
  add_executable(win32_tests tests/win32/files_test.cpp tests/win32/resources_test.cpp tests/win32/engine_test.cpp)
  target_include_directories(win32_tests PRIVATE src)
  target_link_libraries(win32_tests PRIVATE ventaro_resources ventaro_win32 ventaro_memory gtest gtest_main version shlwapi)
  add_test(NAME wine.win32 COMMAND ${VENTARO_WINE} win32_tests.exe)
endif()
