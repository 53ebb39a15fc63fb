# Configures the library alone (no tests, app, benchmarks, testing library or translations) in a
# fresh tree and checks that it did not look for Qt Test or LinguistTools: a packager building
# only the library needs neither. Run by CTest as a script:
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DQT_MAJOR=5|6 -P ConfigureAlone.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR} -G Ninja -DQUARLIN_QT_MAJOR=${QT_MAJOR}
                        -DQUARLIN_BUILD_TESTS=OFF -DQUARLIN_BUILD_APP=OFF -DQUARLIN_BUILD_BENCH=OFF
                        -DQUARLIN_BUILD_TESTING_LIBRARY=OFF -DQUARLIN_BUILD_TRANSLATIONS=OFF
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the library alone does not configure:\n${out}\n${err}")
endif()
file(STRINGS ${WORK_DIR}/CMakeCache.txt looked REGEX "^Qt${QT_MAJOR}(Test|LinguistTools)_DIR:")
if(looked)
  message(FATAL_ERROR "the library alone looked for what it does not need: ${looked}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
message("the library alone configures with Qt Widgets, Qt Svg and Boost only")
