# The calls every folder makes its targets with, so warnings, include folders and test
# registration are written once.

# Warnings for the project's own code; TESSIVANE_WERROR makes them errors.
function(tessivane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion $<$<BOOL:${TESSIVANE_WERROR}>:-Werror>)
endfunction()

# tessivane_library(NAME [TYPE SHARED|MODULE] [DIRS dir...] [SOURCES file...]
#                   [PUBLIC lib...] [PRIVATE lib...])
# A library of SOURCES, or else of every .cpp and .h in DIRS (default: the folder itself) but a
# program's main.cpp, found again when a file is added or removed. Its users include the
# headers of DIRS by name.
function(tessivane_library name)
  cmake_parse_arguments(ARG "" "TYPE" "DIRS;SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(NOT ARG_DIRS)
    set(ARG_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  foreach(dir IN LISTS ARG_DIRS)
    cmake_path(ABSOLUTE_PATH dir)
    if(NOT ARG_SOURCES)
      file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
      list(FILTER found EXCLUDE REGEX "/main\\.cpp$")
      list(APPEND sources ${found})
    endif()
    list(APPEND includes $<BUILD_INTERFACE:${dir}>)
  endforeach()
  add_library(${name} ${ARG_TYPE} ${ARG_SOURCES} ${sources})
  target_include_directories(${name} PUBLIC ${includes})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  tessivane_warnings(${name})
endfunction()

# tessivane_static_runtime(TARGET): on Windows the program carries the C++ runtime, so it needs
# nothing but the system's own DLLs. Programs that use Qt must not: they share Qt's runtime DLLs.
function(tessivane_static_runtime target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# tessivane_program(NAME SOURCES file... [LIBS lib...]): a program of the project's own.
function(tessivane_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  tessivane_warnings(${name})
endfunction()

# tessivane_test(NAME [QT] [SOURCES file...] [LIBS lib...] [DEFINITIONS def...]
#                [DEPENDS target...] [ENVIRONMENT var=value...] [TIMEOUT seconds])
# A test program in build/testbin, built from NAME.cpp unless SOURCES are given. GoogleTest
# programs register each case as a test; a QT (Qt Test) program is one test, run on the
# offscreen platform. DEPENDS: the targets whose files the test uses.
function(tessivane_test name)
  cmake_parse_arguments(ARG "QT" "TIMEOUT" "SOURCES;LIBS;DEFINITIONS;DEPENDS;ENVIRONMENT"
                        ${ARGN})
  if(NOT ARG_SOURCES)
    set(ARG_SOURCES ${name}.cpp)
  endif()
  tessivane_program(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testbin
                                           AUTOMOC "${ARG_QT}")
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  if(NOT ARG_QT)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    tessivane_static_runtime(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
    return()
  endif()
  target_link_libraries(${name} PRIVATE Qt6::Test)
  # Listed in testbin/qt-tests.txt, for the runs outside ctest (under wine).
  set_property(GLOBAL APPEND PROPERTY TESSIVANE_QT_TESTS ${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
  if(ARG_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
endfunction()
