# Helpers shared by every library folder: one static library per folder, named
# zarn_<name> and exported as zarn::<name>, with its headers installed under
# include/zarn/<folder>/ so that includes read "stats/zarn_fdist.h" everywhere.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZARN_WARNINGS -Wall -Wextra -Wpedantic)

function(zarn_warnings target)
  target_compile_options(${target} PRIVATE ${ZARN_WARNINGS})
endfunction()

# Standard headers most sources include, parsed once per target instead of
# once per source: a third of the build's time went into parsing headers.
set(ZARN_COMMON_HEADERS <algorithm> <array> <cmath> <cstdint> <functional> <memory> <string>
    <string_view> <vector>)

# zarn_precompile(<target> <sources> [headers...]) — only where more than one
# source shares the work of building the header.
function(zarn_precompile target sources)
  list(LENGTH sources count)
  if(count GREATER 1)
    target_precompile_headers(${target} PRIVATE ${ARGN} ${ZARN_COMMON_HEADERS})
  endif()
endfunction()

# zarn_add_library(<name> [FOLDER <folder>] [SOURCES ...]) — sources default to
# every .cpp of the folder; headers are every .h of the folder.
function(zarn_add_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${name})
  endif()
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(zarn_${name} STATIC ${ARG_SOURCES} ${headers})
  zarn_precompile(zarn_${name} "${ARG_SOURCES}")
  add_library(zarn::${name} ALIAS zarn_${name})
  set_target_properties(zarn_${name} PROPERTIES EXPORT_NAME ${name} POSITION_INDEPENDENT_CODE ON)
  target_compile_features(zarn_${name} PUBLIC cxx_std_20)
  target_include_directories(zarn_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/zarn>)
  zarn_warnings(zarn_${name})
  # Only the code under test carries the fuzzers' coverage hooks; a program
  # that is no fuzz target gets the sanitizer runtime's stand-ins for them.
  if(ZARN_BUILD_FUZZ)
    target_compile_options(zarn_${name} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  install(TARGETS zarn_${name} EXPORT zarnTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zarn/${ARG_FOLDER})
endfunction()

# zarn_add_test(<name> SOURCES ... LIBS ...) — one GoogleTest program, its
# tests registered with CTest one by one.
function(zarn_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  zarn_warnings(${name})
  zarn_precompile(${name} "${ARG_SOURCES}" <gtest/gtest.h> <gmock/gmock.h>)
  # The code under test is optimised as it ships; the tests' own code needs
  # no more than -O1, and half of a test's compile time is optimisation.
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    target_compile_options(${name} PRIVATE -O1)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

function(zarn_install_package)
  install(EXPORT zarnTargets NAMESPACE zarn:: FILE zarnTargets.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zarn)
  configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/zarnConfig.cmake.in"
    "${PROJECT_BINARY_DIR}/zarnConfig.cmake" INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zarn)
  write_basic_package_version_file("${PROJECT_BINARY_DIR}/zarnConfigVersion.cmake"
    COMPATIBILITY SameMinorVersion)
  install(FILES "${PROJECT_BINARY_DIR}/zarnConfig.cmake" "${PROJECT_BINARY_DIR}/zarnConfigVersion.cmake"
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zarn)
endfunction()
