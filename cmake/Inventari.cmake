# inventari_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                [RESOURCE_LOCK <locks...>])
# A GoogleTest program whose cases CTest runs one by one. Tests that change
# a settings file of the build tree name it in RESOURCE_LOCK (for example
# Dravik.INI), so that no two such tests run at once.
function(inventari_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} TestSupport GTest::gtest GTest::gtest_main)
  set(props LABELS "${T_LABELS}")
  if(T_RESOURCE_LOCK)
    list(APPEND props RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props})
endfunction()

# Copies a settings or data file into the build folder of the current
# directory, where the component looks for it, and installs it beside it.
function(inventari_file_beside src dest_dir)
  get_filename_component(fname ${src} NAME)
  configure_file(${src} ${CMAKE_CURRENT_BINARY_DIR}/${fname} COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${fname} DESTINATION ${dest_dir})
endfunction()
