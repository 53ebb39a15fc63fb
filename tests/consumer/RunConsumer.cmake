# Installs the build tree into a fresh prefix, builds the consumer project against that prefix
# alone, runs it and checks what it printed. Run by CTest as a script:
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX_COMPILER=... -DCXX_FLAGS=...
#         [-DLAUNCHER=...] -P RunConsumer.cmake
cmake_minimum_required(VERSION 3.21)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)

file(GLOB_RECURSE forms ${WORK_DIR}/prefix/include/ui_*.h)
if(forms)
  message(FATAL_ERROR "generated forms were installed: ${forms}")
endif()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CXX_FLAGS}"
    -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
message("${output}")
if(NOT output MATCHES "result 1 alignment 8")
  message(FATAL_ERROR "the consumer did not read back the bottom-right anchor (8) after OK")
endif()

# The same host built without CMake, from the installed pkg-config files alone.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${WORK_DIR}/prefix/lib/pkgconfig)
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs quarlin-prompt-testing RESULT_VARIABLE status
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know the installed library: ${err}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
run(${CXX_COMPILER} ${SOURCE_DIR}/main.cpp -o ${WORK_DIR}/consumer-pkg-config ${extra} ${flags}
    -Wl,-rpath,${WORK_DIR}/prefix/lib)
run(${WORK_DIR}/consumer-pkg-config)
if(NOT output MATCHES "result 1 alignment 8")
  message(FATAL_ERROR "the host built with pkg-config did not read back the bottom-right anchor (8)")
endif()
