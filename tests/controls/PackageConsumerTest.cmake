# Installs the library's development component into a staging prefix, then configures, builds
# and runs a small program that uses find_package(VeldoSharedControls) and links
# VeldoSharedControls::Host, with the staged library registered in a registry of its own.
#   cmake -DBUILD_DIR=... -DWORK=... -DSOURCE=... -DCXX=... -DLIBDIR=... -DLIBRARY_NAME=...
#         -P PackageConsumerTest.cmake
cmake_minimum_required(VERSION 3.25)
set(stage "${WORK}/stage")
file(REMOVE_RECURSE "${WORK}")

function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}\n${errors}")
  endif()
  message(STATUS "${what}: done")
endfunction()

step("staged install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${stage}"
     --component VeldoSharedControls)
step("configure the consumer" ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/build" -G Ninja
     -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${stage})
step("build the consumer" ${CMAKE_COMMAND} --build "${WORK}/build")
step("register the staged library" ${CMAKE_COMMAND} -E env VELDO_REGISTRY_DIR=${WORK}/registry
     "${stage}/bin/veldo-register" -s "${stage}/${LIBDIR}/${LIBRARY_NAME}")
step("run the consumer" ${CMAKE_COMMAND} -E env VELDO_REGISTRY_DIR=${WORK}/registry
     QT_QPA_PLATFORM=offscreen "${WORK}/build/consumer")
