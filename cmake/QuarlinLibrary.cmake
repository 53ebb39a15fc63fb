# Public headers of both libraries are published under one include root, with the same relative
# paths the sources use ("sdk/dialogs/QtDialogAbstract.h"). In the build tree that root is a
# folder of symbolic links to the public headers only, so the app, tests, benchmarks and fuzz
# targets see exactly what an installed host sees: nothing of apps/, tests/, bench/, fuzz/, no
# private header and no generated form. The links point at the sources, so an edit needs no
# copy step and compiler messages lead back to the real file.
include(GNUInstallDirs)

set(QUARLIN_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/quarlin-prompt)
set(QUARLIN_STAGED_INCLUDEDIR ${CMAKE_BINARY_DIR}/include/quarlin-prompt)

# Links of headers that a source folder no longer publishes must not linger from an earlier
# configure; the generated export headers at the top of the root stay (rewriting them would
# rebuild everything).
file(GLOB _quarlin_staged_folders LIST_DIRECTORIES true ${QUARLIN_STAGED_INCLUDEDIR}/*)
foreach(_folder IN LISTS _quarlin_staged_folders)
  if(IS_DIRECTORY ${_folder})
    file(REMOVE_RECURSE ${_folder})
  endif()
endforeach()

# Adds the sources of the calling folder to a library. Every header listed in SOURCES is
# public: it is staged for in-tree consumers and installed. Headers only the library's own
# .cpp files may include go under PRIVATE_HEADERS.
#
#   quarlin_library_sources(quarlin_prompt SOURCES A.cpp A.h ... [PRIVATE_HEADERS B_p.h ...])
function(quarlin_library_sources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PRIVATE_HEADERS")
  target_sources(${target} PRIVATE ${arg_SOURCES} ${arg_PRIVATE_HEADERS})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(source IN LISTS arg_SOURCES)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    get_filename_component(subfolder ${folder}/${source} DIRECTORY)
    get_filename_component(name ${source} NAME)
    file(MAKE_DIRECTORY ${QUARLIN_STAGED_INCLUDEDIR}/${subfolder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${source}
         ${QUARLIN_STAGED_INCLUDEDIR}/${subfolder}/${name} SYMBOLIC COPY_ON_ERROR)
    install(FILES ${source} DESTINATION ${QUARLIN_INSTALL_INCLUDEDIR}/${subfolder}
            COMPONENT development)
  endforeach()
endfunction()

# The library's own sources include from the source root; whoever links the library gets the
# published root only.
function(quarlin_library_includes target)
  target_include_directories(${target}
    PRIVATE ${PROJECT_SOURCE_DIR} ${QUARLIN_STAGED_INCLUDEDIR}
    INTERFACE $<BUILD_INTERFACE:${QUARLIN_STAGED_INCLUDEDIR}>
              $<INSTALL_INTERFACE:${QUARLIN_INSTALL_INCLUDEDIR}>)
endfunction()

# Version, SONAME and the defaults of our targets for a shared library that gets installed.
# While the major version is 0 every minor release may change the ABI, so the SONAME carries
# both numbers (libquarlin_prompt.so.0.1); the package's version file says the same.
function(quarlin_shared_library_defaults target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OBJECTS" "")
  if(NOT arg_OBJECTS)
    set(arg_OBJECTS ${target})
  endif()
  if(PROJECT_VERSION_MAJOR EQUAL 0)
    set(soversion ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  else()
    set(soversion ${PROJECT_VERSION_MAJOR})
  endif()
  # Both libraries sit side by side, in the build tree as where they are installed, so each
  # finds the other next to itself with the same RUNPATH. A build RUNPATH that install rewrites
  # would be padded with empty entries, and an empty entry makes the loader search the current
  # folder for Qt and the C++ runtime.
  set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${soversion}
                                             INSTALL_RPATH "$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)
  quarlin_target_defaults(${target})
  quarlin_load_fast(${target} ${arg_OBJECTS})
  set_property(GLOBAL APPEND PROPERTY QUARLIN_SHARED_LIBRARIES ${target})
  install(FILES ${QUARLIN_STAGED_INCLUDEDIR}/${target}_export.h
          DESTINATION ${QUARLIN_INSTALL_INCLUDEDIR} COMPONENT development)
endfunction()

# A library binds references to its own functions and its own data when it is linked, not at
# every load: its vtables, type information, meta-objects and calls to itself need no symbol
# lookup then (a third fewer lookups at load). Qt binds its functions the same way, and hosts
# compile with -fPIC as Qt's headers insist, so an address is the same seen from either side.
# What a host may define as well, a static of an inline function or of a template, stays one
# object for the process: InterposableData.cmake lists it from the objects before each link.
function(quarlin_load_fast target objects)
  set(list ${CMAKE_CURRENT_BINARY_DIR}/${target}.dynamic-list)
  add_custom_command(TARGET ${target} PRE_LINK
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DOUTPUT=${list} "-DOBJECTS=$<TARGET_OBJECTS:${objects}>"
            -P ${PROJECT_SOURCE_DIR}/cmake/InterposableData.cmake
    VERBATIM)
  target_link_options(${target} PRIVATE -Wl,--dynamic-list=${list} -Wl,-O1)
endfunction()
