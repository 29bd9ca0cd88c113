# orvello_add_test(NAME <binary> SOURCES <files...> LIBS <targets...>)
# One GoogleTest binary per library, registered test by test with CTest (whole in cross builds).
function(orvello_add_test)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} orvello_test_util GTest::gtest GTest::gtest_main)
  # Cross-built tests run under Wine, whose drive Z: is the build machine's root.
  set(host_drive "$<$<BOOL:${CMAKE_CROSSCOMPILING}>:Z:>")
  target_compile_definitions(${ARG_NAME} PRIVATE
    ORVELLO_SOURCE_DIR="${host_drive}${PROJECT_SOURCE_DIR}"
    ORVELLO_BINARY_DIR="${host_drive}${PROJECT_BINARY_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # Each start under the emulator costs a good part of a second: one CTest test runs the whole
    # binary, which prints every case it ran.
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME} WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
    # A program stuck in a dialog nobody sees must not hold the whole run.
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 300)
  else()
    gtest_discover_tests(${ARG_NAME}
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# GoogleTest for a cross build, where no library for the target system is installed: Debian's
# sources (package googletest) built with the project, nothing downloaded.
set(ORVELLO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources, for cross builds")
macro(orvello_add_googletest_from_source)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORVELLO_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Its warnings are not the project's to fix.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endmacro()
