# Registers a GoogleTest executable with ctest as one test per test suite, named
# AREA/Suite: one process per suite keeps the run short, and `ctest -R Suite` still
# selects a unit's tests. The suites are listed from the executable after each build.
set(ZELMARO_LIST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/ListTestSuites.cmake)

function(zelmaro_add_test_suites target area)
  cmake_parse_arguments(SUITES "" "" "ENVIRONMENT" ${ARGN})
  set(listed ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
  add_custom_command(
    TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DBINARY=$<TARGET_FILE:${target}> -DAREA=${area}
            "-DENVIRONMENT=${SUITES_ENVIRONMENT}" -DOUTPUT=${listed}
            -P ${ZELMARO_LIST_SUITES_SCRIPT}
    BYPRODUCTS ${listed}
    VERBATIM)
  file(WRITE ${include_file}
       "if(EXISTS \"${listed}\")\n  include(\"${listed}\")\nelse()\n"
       "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
