# Installs the build tree into a fresh prefix, builds the consumer project against that prefix
# alone, runs it and checks what it printed. With PACKAGES=ON the prefix is instead made of the
# Debian packages, built from the build tree with cpack and unpacked as dpkg would place them.
# Run by CTest as a script:
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX_COMPILER=... -DCXX_FLAGS=...
#         [-DLAUNCHER=...] [-DPACKAGES=ON] -P RunConsumer.cmake
cmake_minimum_required(VERSION 3.21)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
if(PACKAGES)
  run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/packages)
  file(GLOB debs ${WORK_DIR}/packages/*.deb)
  list(LENGTH debs count)
  if(NOT count EQUAL 5)
    message(FATAL_ERROR "expected five packages (three libraries, -dev, the app), cpack made: ${debs}")
  endif()
  if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 ${debs} OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message("${out}")
    if(out MATCHES "(^|\n)E: ")
      message(FATAL_ERROR "lintian reports errors in the packages")
    endif()
  else()
    message(WARNING "lintian is not installed: the packages are not checked (tools/install-deps.sh installs it)")
  endif()
  foreach(deb IN LISTS debs)
    run(dpkg-deb -x ${deb} ${WORK_DIR}/root)
  endforeach()
  set(prefix ${WORK_DIR}/root/usr)
  # The app as installed, finding the libraries where the packages put them.
  run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/lib ${prefix}/bin/quarlin-host-app --exercise)
else()
  set(prefix ${WORK_DIR}/prefix)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
endif()

file(GLOB_RECURSE forms ${prefix}/include/ui_*.h)
if(forms)
  message(FATAL_ERROR "generated forms were installed: ${forms}")
endif()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
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
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs quarlin-prompt-testing RESULT_VARIABLE status
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know the installed library: ${err}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
# -fPIC, which Qt asks of its users, is the build system's to add, as qmake and Meson do.
run(${CXX_COMPILER} ${SOURCE_DIR}/main.cpp -o ${WORK_DIR}/consumer-pkg-config -fPIC ${extra} ${flags}
    -Wl,-rpath,${prefix}/lib)
run(${WORK_DIR}/consumer-pkg-config)
if(NOT output MATCHES "result 1 alignment 8")
  message(FATAL_ERROR "the host built with pkg-config did not read back the bottom-right anchor (8)")
endif()
