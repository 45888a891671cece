# Runs ZARN with each option without a display and compares what it prints.
set(help "Usage: ${ZARN} [options]
ZARN, a patience game of eight columns, eight free cells and four foundations. Settings are kept in zarn.pro in the folder it is started from.

Options:
  -h, --help     Displays help on commandline options.
  --help-all     Displays help including Qt specific options.
  -v, --version  Displays version information.
")
set(version "zarn 1.0\n")
foreach(row "--help;help" "-h;help" "--version;version" "-v;version")
  list(GET row 0 option)
  list(GET row 1 expected)
  execute_process(
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ${ZARN} ${option}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${${expected}}")
    message(FATAL_ERROR "zarn ${option}: status ${status}\n${out}${err}")
  endif()
endforeach()
