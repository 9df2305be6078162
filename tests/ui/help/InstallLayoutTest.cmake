# Installs the whole build into a staging directory and checks what a desktop user gets: the
# programs and every data file in one application directory, working launchers on the PATH,
# the menu entry, the icon and the project file type.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DAPPDIR=... -DBINDIR=... -DDATADIR=... -DBUILD_APP_DIR=...
#         -DVERSION=... -P InstallLayoutTest.cmake
set(prefix /opt/tessivane-install-test)
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}\n${errors}")
endif()

set(root "${STAGE}${prefix}")
set(failures)
function(expect_file path)
  if(NOT EXISTS "${root}/${path}")
    set(failures "${failures}\n  missing: ${path}" PARENT_SCOPE)
  endif()
endfunction()

expect_file(${APPDIR}/tessivane)
expect_file(${BINDIR}/tessivane)
expect_file(${DATADIR}/applications/tessivane.desktop)
expect_file(${DATADIR}/icons/hicolor/scalable/apps/tessivane.svg)
expect_file(${DATADIR}/mime/packages/tessivane.xml)

# Every data file the build put beside the program is installed beside it too.
file(GLOB data_files RELATIVE "${BUILD_APP_DIR}"
     "${BUILD_APP_DIR}/*.dat" "${BUILD_APP_DIR}/*.png" "${BUILD_APP_DIR}/*.bmp"
     "${BUILD_APP_DIR}/*.pdf")
foreach(name IN LISTS data_files)
  expect_file("${APPDIR}/${name}")
endforeach()

# The launcher on the PATH reaches the program in the application directory.
if(EXISTS "${root}/${APPDIR}/tessivane-calc")
  execute_process(COMMAND "${root}/${BINDIR}/tessivane-calc" --version
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT output MATCHES "${VERSION}")
    set(failures "${failures}\n  bin/tessivane-calc --version gave ${result}: ${output}${errors}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "Installed tree in ${root} is incomplete:${failures}")
endif()
message(STATUS "Installed tree complete (${data_files})")
