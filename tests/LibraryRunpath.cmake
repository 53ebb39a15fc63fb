# Each shared library of ours finds its dependencies next to itself or where the system keeps
# them, and nowhere else: its RUNPATH is "$ORIGIN", in the build tree as once installed. An
# empty entry, which CMake pads a RUNPATH with when install rewrites it, makes the loader look
# for Qt and the C++ runtime in whatever folder the host was started from.
#   cmake -DREADELF=... -DLIBRARIES="a.so;b.so" -P LibraryRunpath.cmake
set(failures "")
foreach(library IN LISTS LIBRARIES)
  execute_process(COMMAND ${READELF} -d ${library} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(APPEND failures "\n  ${library}: readelf failed")
    continue()
  endif()
  string(REGEX MATCH "Library (runpath|rpath): \\[([^]]*)\\]" _ "${dynamic}")
  if(NOT CMAKE_MATCH_2 STREQUAL "$ORIGIN")
    string(APPEND failures "\n  ${library}: \"${CMAKE_MATCH_2}\"")
  endif()
endforeach()
list(LENGTH LIBRARIES count)
if(failures OR count EQUAL 0)
  message(FATAL_ERROR "A library's search path is not \"$ORIGIN\":${failures}")
endif()
message(STATUS "${count} libraries search \"$ORIGIN\" only")
