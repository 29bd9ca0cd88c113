# orvello_add_test(NAME <binary> SOURCES <files...> LIBS <targets...>)
# One GoogleTest binary per library, registered test by test with CTest.
function(orvello_add_test)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} orvello_test_util GTest::gtest GTest::gtest_main)
  target_compile_definitions(${ARG_NAME} PRIVATE
    ORVELLO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ORVELLO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${ARG_NAME}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
