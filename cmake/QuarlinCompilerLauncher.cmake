# ccache makes the sanitizer and plain trees cheap to rebuild side by side.
find_program(QUARLIN_CCACHE ccache)
if(QUARLIN_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QUARLIN_CCACHE})
endif()
