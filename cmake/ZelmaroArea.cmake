# One static library per area of src/. An area may include headers of its own and of
# the areas it names after USES, nothing else; the check runs before the area compiles
# and fails the build naming the file, the line and the areas allowed.
set(ZELMARO_CHECK_INCLUDES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

function(zelmaro_add_area name)
  cmake_parse_arguments(AREA "" "" "SOURCES;USES;EXTERNAL" ${ARGN})
  set(target zelmaro_${name})
  add_library(${target} STATIC ${AREA_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  # The fuzzer learns from the coverage of the code it feeds, not of the windows.
  if(ZELMARO_FUZZ AND NOT name STREQUAL "ui")
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  foreach(used ${AREA_USES})
    target_link_libraries(${target} PUBLIC zelmaro_${used})
  endforeach()

  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(checked ${headers})
  foreach(source ${AREA_SOURCES})
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND checked ${source})
  endforeach()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DAREA=${name} "-DALLOWED=${name};${AREA_USES}"
            "-DEXTERNAL=${AREA_EXTERNAL}" "-DFILES=${checked}" -DSTAMP=${stamp}
            -P ${ZELMARO_CHECK_INCLUDES_SCRIPT}
    DEPENDS ${checked} ${ZELMARO_CHECK_INCLUDES_SCRIPT}
    COMMENT "Checking the includes of the ${name} area"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
