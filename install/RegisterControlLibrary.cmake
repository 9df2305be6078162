# Runs at install time, after the control library and the programs are in place: registers the
# installed library in the system registry <datadir>/veldo-components/registry.json, which every
# user's programs consult after their own. The caller sets
#   VELDO_REGISTER_TOOL   the build tree's veldo-register
#   VELDO_LIBRARY_NAME    the installed library's file name (its soname)
#   VELDO_LIBDIR, VELDO_DATADIR   install directories, relative to the prefix or absolute
foreach(var VELDO_LIBDIR VELDO_DATADIR)
  cmake_path(ABSOLUTE_PATH ${var} BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
             OUTPUT_VARIABLE ${var}_FULL)
endforeach()

# The registry names the library where it will be used, not where a staged install put it.
set(final_library "${VELDO_LIBDIR_FULL}/${VELDO_LIBRARY_NAME}")
set(staged_library "$ENV{DESTDIR}${final_library}")
set(registry_dir "$ENV{DESTDIR}${VELDO_DATADIR_FULL}/veldo-components")
set(registry "${registry_dir}/registry.json")

message(STATUS "Registering ${final_library} in ${registry}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "VELDO_REGISTRY_DIR=${registry_dir}"
          "${VELDO_REGISTER_TOOL}" -s "${staged_library}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  set(hint "")
  if(EXISTS "${registry}")
    # Registration never overwrites a registry file it cannot read.
    set(hint "If ${registry} is damaged, fix or delete it and install again.")
  endif()
  message(FATAL_ERROR "Registering the control library failed (${result}): ${output}${errors}"
                      "${hint}")
endif()

if(NOT "$ENV{DESTDIR}" STREQUAL "")
  # The library recorded its own (staged) path; point the entries at the final one.
  cmake_path(ABSOLUTE_PATH staged_library NORMALIZE OUTPUT_VARIABLE staged_normal)
  file(READ "${registry}" json)
  string(JSON count LENGTH "${json}" classes)
  set(rewritten 0)
  if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      string(JSON library GET "${json}" classes ${i} library)
      cmake_path(SET library_normal NORMALIZE "${library}")
      if(library_normal STREQUAL staged_normal)
        string(JSON json SET "${json}" classes ${i} library "\"${final_library}\"")
        math(EXPR rewritten "${rewritten} + 1")
      endif()
    endforeach()
  endif()
  if(rewritten EQUAL 0)
    message(FATAL_ERROR "${registry} has no entry for ${staged_library}; cannot record "
                        "${final_library} there")
  endif()
  file(WRITE "${registry}" "${json}\n")
endif()

# Readable by every user whatever the installing umask; listed so packaging and uninstall
# scripts know the file.
file(CHMOD "${registry}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${registry}")
