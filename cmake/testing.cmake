# GoogleTest: Debian's prebuilt library natively; for a cross build, the sources that
# Debian's googletest package installs, built with the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Discovery runs the test binary (under Wine for a cross build), so it waits for `ctest`
# rather than slowing every build; a fresh Wine prefix takes a while on first start.
function(veltrona_add_gtest target)
  veltrona_warnings(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  # The helpers every test may share: scratch folders, fixtures, the fonts tests draw with.
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 180
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()
