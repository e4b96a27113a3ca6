# End-to-end tests: QtTest programs that start the real game under a private Xvfb, with the
# helpers of tests/e2e/E2eOrtam.h. From any tests/<folder>/CMakeLists.txt:
#
#   include(${PROJECT_SOURCE_DIR}/tests/e2e/E2e.cmake)
#   mozeta_e2e_test(e2e_myfeature MyFeatureE2eTest.cpp)
#
# The test is built after the game, knows its path, runs without QT_QPA_PLATFORM=offscreen and
# counts as skipped (not passed) when Xvfb or xdotool is missing.
include_guard(GLOBAL)

function(mozeta_e2e_test name)
    add_executable(${name} ${ARGN}
        ${PROJECT_SOURCE_DIR}/tests/e2e/E2eOrtam.cpp ${PROJECT_SOURCE_DIR}/tests/e2e/E2eOrtam.h)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE Qt6::Core Qt6::Gui Qt6::Test)
    target_compile_definitions(${name} PRIVATE MOZETA_OYUN="$<TARGET_FILE:Mozeta-Tr>")
    add_dependencies(${name} Mozeta-Tr)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 180
        LABELS e2e
        ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=120000;LC_ALL=C.UTF-8"
        SKIP_REGULAR_EXPRESSION "SKIP +: [A-Za-z0-9_]+::initTestCase\\(\\)")
endfunction()
