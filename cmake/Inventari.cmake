# The program through which CTest starts every test program (built in
# tests/support).
set(INVENTARI_TEST_LAUNCHER ${PROJECT_BINARY_DIR}/tests/support/RunInOwnInstallation)

# inventari_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# A GoogleTest program whose cases CTest runs one by one, each from an
# installation of its own (tests/support/RunInOwnInstallation.cpp), and
# after which the build tree's settings files are checked untouched
# (tests/support/CMakeLists.txt).
function(inventari_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} TestSupport GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${INVENTARI_TEST_LAUNCHER})
  add_dependencies(${name} RunInOwnInstallation)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
  _inventari_test_properties(${name}_TESTS "${T_LABELS}")
endfunction()

# inventari_test_variant(<name> <variant> ENVIRONMENT <VAR=value> [LABELS <labels...>])
# Runs every case of the test program <name> once more, as
# "<variant>/<case>", with <VAR=value> in its environment.
function(inventari_test_variant name variant)
  cmake_parse_arguments(T "" "ENVIRONMENT" "LABELS" ${ARGN})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${variant}/"
    TEST_LIST ${name}_${variant}_TESTS
    PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
  _inventari_test_properties(${name}_${variant}_TESTS "${T_LABELS}")
endfunction()

# A property that holds a list (two labels) does not survive
# gtest_discover_tests' PROPERTIES; a script that CTest runs after the
# discovery sets them on the discovered tests of `list` instead.
function(_inventari_test_properties list labels)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${list}_properties.cmake)
  file(WRITE ${script}
    "if(${list})\n"
    "  set_tests_properties(\${${list}} PROPERTIES\n"
    "    LABELS \"${labels}\" FIXTURES_REQUIRED BuildTreeSettings)\n"
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
