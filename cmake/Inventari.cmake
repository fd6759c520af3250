# inventari_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                [RESOURCE_LOCK <locks...>])
# A GoogleTest program whose cases CTest runs one by one. Tests that change
# a settings file that several test programs share name it in
# RESOURCE_LOCK, so that no two such tests run at once.
function(inventari_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} TestSupport GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
  # A property that holds a list (two labels, two locks) does not survive
  # gtest_discover_tests' PROPERTIES; a script that CTest runs after the
  # discovery sets them on the discovered tests instead.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${script}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES\n"
    "    LABELS \"${T_LABELS}\" RESOURCE_LOCK \"${T_RESOURCE_LOCK}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

# Copies a settings or data file into the build folder of the current
# directory, where the component looks for it, and installs it beside it.
function(inventari_file_beside src dest_dir)
  get_filename_component(fname ${src} NAME)
  configure_file(${src} ${CMAKE_CURRENT_BINARY_DIR}/${fname} COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${fname} DESTINATION ${dest_dir})
endfunction()
