# GoogleTest for the Win32 build, and the Wine fixture that every Win32 test needs when the tests
# run on Linux.

set(WHISKERTIME_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Win32 tests")
if(EXISTS ${WHISKERTIME_GTEST_SOURCE}/CMakeLists.txt)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${WHISKERTIME_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(WHISKERTIME_GTEST GTest::gtest_main)
else()
    find_package(GTest REQUIRED)
    set(WHISKERTIME_GTEST GTest::gtest_main)
endif()
include(GoogleTest)

# Under Wine: one private prefix under the build directory, one Xvfb and one wineserver for the
# whole ctest run, started by the setup fixture and ended by the cleanup fixture.
if(CMAKE_CROSSCOMPILING)
    set(WHISKERTIME_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${WHISKERTIME_WINE_DIR}/wine-run
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    add_test(NAME wine_start
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-session.sh start ${WHISKERTIME_WINE_DIR})
    add_test(NAME wine_stop
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-session.sh stop ${WHISKERTIME_WINE_DIR})
    set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# add_win32_test(target [RESOURCE_LOCK name...]): registers each TEST of the target's sources with
# ctest; tests that share a resource lock never run at the same time.
function(add_win32_test target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "RESOURCE_LOCK")
    target_link_libraries(${target} PRIVATE ${WHISKERTIME_GTEST})
    get_target_property(sources ${target} SOURCES)
    gtest_add_tests(TARGET ${target} SOURCES ${sources} TEST_LIST tests)
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120)
    endif()
    if(arg_RESOURCE_LOCK)
        set_tests_properties(${tests} PROPERTIES RESOURCE_LOCK "${arg_RESOURCE_LOCK}")
    endif()
endfunction()
