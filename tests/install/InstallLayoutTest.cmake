# Installs the whole build into a staging directory and checks what a desktop user gets: the
# programs and every data file in one application directory, working launchers on the PATH,
# the menu entry, the icon, the project file type and the control library registered for all
# users under its final (unstaged) path.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DAPPDIR=... -DBINDIR=... -DDATADIR=... -DLIBDIR=...
#         -DBUILD_APP_DIR=... -DSOURCE_DIR=... -DVERSION=... -DWITH_QT=ON|OFF
#         [-DVELDO_LIBRARY_NAME=...] -P InstallLayoutTest.cmake
cmake_minimum_required(VERSION 3.25)
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
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()
function(expect_file path)
  if(NOT EXISTS "${root}/${path}" OR IS_DIRECTORY "${root}/${path}")
    set(failures "${failures}\n  missing: ${path}" PARENT_SCOPE)
  endif()
endfunction()

# ---- Application directory and launchers ------------------------------------------------
set(programs tessivane-calc)
set(app_files RX-160.dat RX-300.dat)
if(WITH_QT)
  list(APPEND programs tessivane)
  list(APPEND app_files H075dpi.png H100dpi.png H150dpi.png H200dpi.png SignOn.bmp
       "VELDO Technical Memo - Adjusting Geometry Parameters for an Exfiltration Trench.pdf"
       "Tessivane Design Manual.pdf")
endif()
foreach(program IN LISTS programs)
  expect_file(${APPDIR}/${program})
  expect_file(${BINDIR}/${program})
endforeach()
foreach(name IN LISTS app_files)
  expect_file("${APPDIR}/${name}")
endforeach()
# Whatever else the build put beside the program is installed beside it too.
file(GLOB data_files RELATIVE "${BUILD_APP_DIR}"
     "${BUILD_APP_DIR}/*.dat" "${BUILD_APP_DIR}/*.png" "${BUILD_APP_DIR}/*.bmp"
     "${BUILD_APP_DIR}/*.pdf")
foreach(name IN LISTS data_files)
  expect_file("${APPDIR}/${name}")
endforeach()
# The programs live in the application directory only; bin/ has launchers, not copies.
file(READ "${root}/${BINDIR}/tessivane-calc" launcher LIMIT 16)
if(NOT launcher MATCHES "^#!")
  fail("${BINDIR}/tessivane-calc is not a launcher script")
endif()

# The staged launcher reaches the program, which finds its chamber data beside itself: the
# report equals the build tree's, and no --data-dir is given.
execute_process(COMMAND "${root}/${BINDIR}/tessivane-calc" --version
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "${VERSION}")
  fail("bin/tessivane-calc --version gave ${result}: ${output}${errors}")
endif()
set(example "${SOURCE_DIR}/examples/rectangular-array.tvc")
execute_process(COMMAND "${root}/${BINDIR}/tessivane-calc" "${example}"
                WORKING_DIRECTORY "${STAGE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE staged_report ERROR_VARIABLE errors)
execute_process(COMMAND "${BUILD_APP_DIR}/tessivane-calc" "${example}"
                RESULT_VARIABLE build_result OUTPUT_VARIABLE build_report)
if(NOT result EQUAL 0)
  fail("bin/tessivane-calc rectangular-array.tvc gave ${result}: ${errors}")
elseif(NOT build_result EQUAL 0 OR NOT staged_report STREQUAL build_report)
  fail("bin/tessivane-calc rectangular-array.tvc reported differently from the build tree")
elseif(NOT staged_report MATCHES "RX-")
  fail("bin/tessivane-calc rectangular-array.tvc printed no report: ${staged_report}")
endif()

# ---- Desktop integration and the control library (window program only) ------------------
if(WITH_QT)
  set(desktop "${DATADIR}/applications/tessivane.desktop")
  expect_file(${desktop})
  expect_file(${DATADIR}/icons/hicolor/scalable/apps/tessivane.svg)
  expect_file(${DATADIR}/icons/hicolor/scalable/mimetypes/application-x-tessivane-project.svg)
  expect_file(${DATADIR}/mime/packages/tessivane.xml)
  find_program(desktop_file_validate desktop-file-validate NO_CACHE)
  if(desktop_file_validate AND EXISTS "${root}/${desktop}")
    execute_process(COMMAND ${desktop_file_validate} "${root}/${desktop}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR "${output}${errors}" MATCHES "error:")
      fail("desktop-file-validate ${desktop}: ${output}${errors}")
    elseif(NOT "${output}${errors}" STREQUAL "")
      message(STATUS "desktop-file-validate ${desktop}: ${output}${errors}")
    endif()
  else()
    message(STATUS "desktop-file-validate not found; the .desktop entry is not validated")
  endif()
  # The prefix is not on the PATH: the entry names the launcher by its absolute, final path,
  # or the menu would hide it (TryExec) and could not start it (Exec).
  if(EXISTS "${root}/${desktop}")
    set(launcher "${prefix}/${BINDIR}/tessivane")
    file(STRINGS "${root}/${desktop}" exec_lines REGEX "^(Try)?Exec=")
    set(expected "Exec=${launcher} %f;TryExec=${launcher}")
    if(NOT exec_lines STREQUAL expected)
      fail("${desktop} should name ${launcher}, has: ${exec_lines}")
    endif()
    if(NOT EXISTS "${STAGE}${launcher}" OR IS_DIRECTORY "${STAGE}${launcher}")
      fail("${desktop} names ${launcher}, which the install does not put there")
    endif()
    # Listed like every other installed file, so uninstall scripts know it.
    file(STRINGS "${BUILD_DIR}/install_manifest.txt" manifest)
    if(NOT "${prefix}/${desktop}" IN_LIST manifest)
      fail("install_manifest.txt does not list ${desktop}")
    endif()
  endif()
  if(EXISTS "${root}/${DATADIR}/mime/packages/tessivane.xml")
    file(READ "${root}/${DATADIR}/mime/packages/tessivane.xml" mime)
    if(NOT mime MATCHES "type=\"application/x-tessivane-project\"" OR
       NOT mime MATCHES "<glob pattern=\"\\*\\.tvc\"/>")
      fail("mime/packages/tessivane.xml does not define *.tvc project files")
    endif()
  endif()

  # The system registry names the library where it is installed, never the staging path.
  set(library "${prefix}/${LIBDIR}/${VELDO_LIBRARY_NAME}")
  expect_file(${LIBDIR}/${VELDO_LIBRARY_NAME})
  set(registry "${root}/${DATADIR}/veldo-components/registry.json")
  if(NOT EXISTS "${registry}")
    fail("missing: ${DATADIR}/veldo-components/registry.json")
  else()
    file(READ "${registry}" json)
    string(FIND "${json}" "${STAGE}" staged_at)
    if(NOT staged_at EQUAL -1)
      fail("registry.json names a path in the staging directory:\n${json}")
    endif()
    string(JSON count ERROR_VARIABLE json_error LENGTH "${json}" classes)
    if(json_error OR NOT count EQUAL 4)
      fail("registry.json should list the library's 4 classes: ${json_error}\n${json}")
    else()
      foreach(i RANGE 3)
        string(JSON name GET "${json}" classes ${i} name)
        string(JSON path GET "${json}" classes ${i} library)
        if(NOT path STREQUAL library)
          fail("registry.json: ${name} is served by ${path}, expected ${library}")
        endif()
      endforeach()
    endif()
    # Listed with the installed files, so packaging and uninstall scripts know it.
    file(STRINGS "${BUILD_DIR}/install_manifest.txt" manifest)
    if(NOT "${registry}" IN_LIST manifest)
      fail("install_manifest.txt does not list the registry file")
    endif()
  endif()
endif()

if(failures)
  message(FATAL_ERROR "Installed tree in ${root} is incomplete:${failures}")
endif()
message(STATUS "Installed tree complete (${data_files})")
