# Writes the menu entry for a launcher at an absolute path, so the entry works (and is shown)
# whether or not the launcher's folder is on the PATH. Runs at install time, when the final
# prefix is known, and from the tests.
#   cmake -DTEMPLATE=tessivane.desktop.in -DOUTPUT=... -DLAUNCHER=/abs/bin/tessivane
#         -P ConfigureDesktopEntry.cmake
# or include() it with those variables set.
cmake_minimum_required(VERSION 3.25)
foreach(var TEMPLATE OUTPUT LAUNCHER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ConfigureDesktopEntry.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT IS_ABSOLUTE "${LAUNCHER}")
  message(FATAL_ERROR "The menu entry needs the launcher's absolute path, got \"${LAUNCHER}\"")
endif()
if(LAUNCHER MATCHES "[\n\r\t]")
  message(FATAL_ERROR "The launcher path holds a line break or tab: \"${LAUNCHER}\"")
endif()

# Exec: a program path with a blank or any reserved character is quoted, with " ` $ \ escaped
# inside the quotes; a percent sign is doubled. Then, as for every string value, each
# backslash is doubled.
set(exec "${LAUNCHER}")
string(REPLACE "%" "%%" exec "${exec}")
if(exec MATCHES "[ \"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" DESKTOP_EXEC "${exec}")
string(REPLACE "\\" "\\\\" DESKTOP_TRY_EXEC "${LAUNCHER}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
