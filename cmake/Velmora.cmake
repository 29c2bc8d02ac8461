# Qt's meta-object compiler runs only for folders that use Qt (a direct Qt dependency or
# one of the Qt layers), which keeps the Qt-free core quick to build.
function(velmora_moc_if_qt target)
  foreach(dep ${ARGN})
    if(dep MATCHES "^Qt6::|^velmora_(ui|report_engine|reports|app)$")
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
      return()
    endif()
  endforeach()
endfunction()

# One library target per source folder: every .cpp of the folder goes in, so adding
# a file needs no edit here. Names are velmora_<name>.
function(velmora_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(velmora_${name} STATIC ${sources})
    target_include_directories(velmora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velmora_${name} PUBLIC ${ARG_DEPS})
    velmora_moc_if_qt(velmora_${name} ${ARG_DEPS})
  else()
    # A folder whose first source is still to come: headers only, so far.
    add_library(velmora_${name} INTERFACE)
    target_include_directories(velmora_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velmora_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# The throwaway PostgreSQL server of the tests (tests/store/pg-test-server): started before the
# first test that needs it, stopped after the last whatever the outcome.
set(VELMORA_TEST_SERVER_DIR ${PROJECT_BINARY_DIR}/pgtest)
set(VELMORA_TEST_SERVER "host=${VELMORA_TEST_SERVER_DIR} dbname=velmora_test user=velmora")

# One test executable per test folder, every .cpp of the folder in it.
# QT: the executable gets the Qt test main (offscreen platform, QApplication first).
# SERVER: its tests whose name ends in "postgres" (".../postgres", ".../back_from_postgres")
# or whose suite is on a server ("...OnServer.") run on the test server and need it started;
# those of a suite named "...RestartedServer" restart that server, so they run alone.
function(velmora_test name)
  cmake_parse_arguments(ARG "QT;SERVER" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_QT)
    set_target_properties(test_${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} velmora_test_support_qt GTest::gtest GTest::gmock)
  else()
    target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} velmora_test_main GTest::gtest GTest::gmock)
  endif()
  if(ARG_SERVER)
    gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "-*postgres:*OnServer.*" PROPERTIES TIMEOUT 300
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "*postgres:*OnServer.*-*RestartedServer.*"
                         PROPERTIES TIMEOUT 300
                         ENVIRONMENT "VELMORA_TEST_PG=${VELMORA_TEST_SERVER}"
                         FIXTURES_REQUIRED velmora_test_server)
    gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "*RestartedServer.*"
                         PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE
                         ENVIRONMENT "VELMORA_TEST_PG=${VELMORA_TEST_SERVER}"
                         FIXTURES_REQUIRED velmora_test_server)
  else()
    gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
