# GoogleTest from the sources of Debian's googletest package, built for whichever
# platform this build targets. Windows test programs run under Wine through
# CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-run with this build's own prefix).
set(KEROVIA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)

set(KEROVIA_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)
set(KEROVIA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(WIN32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KEROVIA_WINE_RUN} --prefix ${KEROVIA_WINEPREFIX})
endif()

macro(kerovia_enable_gtest)
  if(NOT TARGET gtest)
    add_subdirectory(${KEROVIA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()

# kerovia_add_test_suite(NAME SOURCES src... LIBS lib... [WINE_ARGS arg...] [TIMEOUT s])
# One test program per module; it is one CTest entry. Under Wine all suites share one
# prefix and run one at a time (a drive mapping restarts the prefix's server).
# WINE_ARGS go to scripts/wine-run before the program, for example --drive F=dir:removable.
function(kerovia_add_test_suite name)
  cmake_parse_arguments(S "" "TIMEOUT" "SOURCES;LIBS;WINE_ARGS" ${ARGN})
  kerovia_enable_gtest()
  add_executable(${name} ${S_SOURCES})
  target_link_libraries(${name} PRIVATE ${S_LIBS} gmock gtest_main)
  if(NOT S_TIMEOUT)
    set(S_TIMEOUT 120)
  endif()
  if(WIN32)
    add_test(NAME ${name}
             COMMAND ${KEROVIA_WINE_RUN} --prefix ${KEROVIA_WINEPREFIX} ${S_WINE_ARGS}
                     $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT ${S_TIMEOUT})
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${S_TIMEOUT})
  endif()
endfunction()
