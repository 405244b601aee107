# The help file: compiled from the pages in help/ with chmcmd (Debian's
# fp-utils) into Ventaro.chm beside Ventaro.exe.
find_program(VENTARO_CHMCMD chmcmd REQUIRED)
find_program(VENTARO_CHMLS chmls)

file(GLOB VENTARO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(VENTARO_HELP_WORK ${CMAKE_BINARY_DIR}/help)
set(VENTARO_HELP_FILE ${CMAKE_BINARY_DIR}/Ventaro.chm)

# chmcmd writes beside its project, so it compiles a copy of the pages.
add_custom_command(
  OUTPUT ${VENTARO_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VENTARO_HELP_WORK}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${VENTARO_HELP_WORK}
  COMMAND ${CMAKE_COMMAND} -E chdir ${VENTARO_HELP_WORK} ${VENTARO_CHMCMD} --verbosity 0 Ventaro.hhp
  COMMAND ${CMAKE_COMMAND} -E copy ${VENTARO_HELP_WORK}/Ventaro.chm ${VENTARO_HELP_FILE}
  DEPENDS ${VENTARO_HELP_SOURCES}
  COMMENT "Compiling the help file Ventaro.chm"
  VERBATIM)
add_custom_target(ventaro_help ALL DEPENDS ${VENTARO_HELP_FILE})

if(VENTARO_TESTS AND VENTARO_CHMLS)
  add_test(NAME help.contents
    COMMAND ${CMAKE_COMMAND} -DCHM=${VENTARO_HELP_FILE} -DHELP=${CMAKE_SOURCE_DIR}/help -DCHMLS=${VENTARO_CHMLS}
      -P ${CMAKE_SOURCE_DIR}/cmake/CheckHelp.cmake)
endif()
