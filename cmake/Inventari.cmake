# inventari_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# A GoogleTest program whose cases CTest runs one by one.
function(inventari_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    INVENTARI_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    INVENTARI_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${T_LABELS}")
endfunction()

# Copies a settings or data file into the build folder of the current
# directory, where the component looks for it, and installs it beside it.
function(inventari_file_beside src dest_dir)
  get_filename_component(fname ${src} NAME)
  configure_file(${src} ${CMAKE_CURRENT_BINARY_DIR}/${fname} COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${fname} DESTINATION ${dest_dir})
endfunction()
