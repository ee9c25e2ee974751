# Windows test programs: GoogleTest built from Debian's source by the same
# toolchain, and every test run under Wine in a prefix of its own, so no
# test sees another's registry or files.
set(INSTALL_GTEST OFF)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(KALVENOR_WINE_ROOT ${PROJECT_BINARY_DIR}/wine)
set(KALVENOR_WINE_TEST ${PROJECT_SOURCE_DIR}/cmake/wine_test.sh)
# Targets made from here on run through it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${KALVENOR_WINE_TEST} run ${KALVENOR_WINE_ROOT}/template)

add_test(NAME wine_prefix COMMAND ${KALVENOR_WINE_TEST} setup ${KALVENOR_WINE_ROOT})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)

# Gives a test its own prefix under the build tree.
function(kalvenor_under_wine test)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT "WINEPREFIX=${KALVENOR_WINE_ROOT}/${test};WINEDEBUG=-all")
endfunction()
