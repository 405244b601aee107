# The pictures are drawn from art/ at build time, then compiled with the
# manifest and the version into the resource object that Ventaro.exe links:
# target_link_libraries(Ventaro PRIVATE ventaro_resources).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
enable_language(RC)

set(VENTARO_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(VENTARO_ART_FILES
  ventaro.ico
  tool_optimize.ico tool_restore.ico tool_view.ico tool_help.ico tool_exit.ico
  menu_optimize.bmp menu_view.bmp menu_backup.bmp menu_restore_previous.bmp menu_restore_defaults.bmp
  menu_exit.bmp menu_contents.bmp
  about_strip.bmp)
list(TRANSFORM VENTARO_ART_FILES PREPEND ${VENTARO_ART_DIR}/ OUTPUT_VARIABLE VENTARO_ART_OUTPUTS)

add_custom_command(
  OUTPUT ${VENTARO_ART_OUTPUTS}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/art/make_art.py ${VENTARO_ART_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/art/make_art.py ${CMAKE_SOURCE_DIR}/art/raster.py
  COMMENT "Drawing the icons and bitmaps"
  VERBATIM)
add_custom_target(ventaro_art DEPENDS ${VENTARO_ART_OUTPUTS})

set(VENTARO_RC ${CMAKE_SOURCE_DIR}/src/platform/win32/ventaro.rc)
set_source_files_properties(${VENTARO_RC} PROPERTIES OBJECT_DEPENDS
  "${VENTARO_ART_OUTPUTS};${CMAKE_SOURCE_DIR}/src/platform/win32/resource.h;${CMAKE_SOURCE_DIR}/src/platform/win32/Ventaro.manifest")
add_library(ventaro_resources OBJECT ${VENTARO_RC})
target_include_directories(ventaro_resources PRIVATE ${CMAKE_SOURCE_DIR}/src/platform/win32 ${VENTARO_ART_DIR})
add_dependencies(ventaro_resources ventaro_art)
