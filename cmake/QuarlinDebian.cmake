# Debian packages from the build tree (tools/build-packages.sh runs cpack):
#   libquarlin-prompt<SOVERSION>  the prompt library
#   libquarlin-host<SOVERSION>    the host interface over the reference host
#   libquarlin-prompt-testing<SOVERSION>  scripted answers for hosts' tests (and the app's)
#   libquarlin-prompt-dev         headers, CMake and pkg-config files of all three
#   quarlin-host-app              the reference host application
# Each library has a package of its own, named after its SONAME, so that two releases with
# different ABIs install side by side. dpkg-shlibdeps finds what the binaries need of the system.
set(QUARLIN_DEBIAN_MAINTAINER "Quarlin Prompt developers <developers@quarlin-prompt.invalid>")
set(QUARLIN_DEBIAN_RELEASE 1)
set(_version ${PROJECT_VERSION}-${QUARLIN_DEBIAN_RELEASE})
get_target_property(_soversion quarlin_prompt SOVERSION)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarlin-prompt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUARLIN_DEBIAN_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUARLIN_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds our own libraries in the build tree; their packages are named below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quarlin-prompt.invalid/")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Debian ships debugging information apart (-dbgsym packages); ours keep the binaries lean.
set(CPACK_STRIP_FILES ON)

# The Qt packages of the major version the build uses.
if(QUARLIN_QT_MAJOR EQUAL 6)
  set(_qt_dev_package qt6-base-dev)
  set(_qt_svg_package libqt6svg6)
else()
  set(_qt_dev_package qtbase5-dev)
  set(_qt_svg_package libqt5svg5)
endif()

set(_host_package libquarlin-host${_soversion})
set(_prompt_package libquarlin-prompt${_soversion})
set(_testing_package libquarlin-prompt-testing${_soversion})
set(CPACK_COMPONENTS_ALL host_runtime prompt_runtime development)
if(TARGET quarlin_prompt_testing)
  list(APPEND CPACK_COMPONENTS_ALL testing_runtime)
endif()
if(TARGET quarlin-host-app)
  list(APPEND CPACK_COMPONENTS_ALL app)
endif()

set(CPACK_DEBIAN_HOST_RUNTIME_PACKAGE_NAME ${_host_package})
set(CPACK_DEBIAN_HOST_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_HOST_RUNTIME_DESCRIPTION "host interface of the Quarlin prompt dialogs
The C interface, style values and SDK functions the Quarlin prompts call,
done over an in-memory reference host with a style store and undo steps. A real
host application provides its own library of this name in its place.")

set(CPACK_DEBIAN_PROMPT_RUNTIME_PACKAGE_NAME ${_prompt_package})
set(CPACK_DEBIAN_PROMPT_RUNTIME_PACKAGE_SECTION libs)
# The icons are SVG, read through Qt's SVG image plugin, which no symbol of ours asks for.
set(CPACK_DEBIAN_PROMPT_RUNTIME_PACKAGE_DEPENDS "${_host_package} (= ${_version}), ${_qt_svg_package}")
set(CPACK_COMPONENT_PROMPT_RUNTIME_DESCRIPTION "prompt dialogs for a plotting application (Qt ${QUARLIN_QT_MAJOR})
Focused questions a plotting and data-visualisation application asks its user:
an anchor position, a line of text, three whole numbers, a plot symbol, a
colour, variables for the axes, vectors or colour channels, a zone, a data
loader, RGB colouring and scatter options. Under them sits a property model of
typed observable properties, validators, relevance rules and widget bindings.")

set(CPACK_DEBIAN_TESTING_RUNTIME_PACKAGE_NAME ${_testing_package})
set(CPACK_DEBIAN_TESTING_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_TESTING_RUNTIME_PACKAGE_DEPENDS "${_prompt_package} (= ${_version})")
set(CPACK_COMPONENT_TESTING_RUNTIME_DESCRIPTION "scripted answers to the Quarlin prompt dialogs
With it a host's tests answer any Quarlin prompt the code under test opens:
the answer is written before the call, the prompt is driven as a person
would, and a prompt nobody scripted fails the test. It runs against the
reference host of libquarlin-host.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libquarlin-prompt-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${_prompt_package} (= ${_version}), ${_host_package} (= ${_version}), ${_qt_dev_package}, libboost-dev (>= ${QUARLIN_BOOST_MINIMUM})")
if(TARGET quarlin_prompt_testing)
  string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS ", ${_testing_package} (= ${_version})")
endif()
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "prompt dialogs for a plotting application - development files
Headers, CMake package (find_package(QuarlinPrompt)) and pkg-config files
(quarlin-prompt, quarlin-host, quarlin-prompt-testing) of the Quarlin prompt
dialogs, their host interface and their testing library.")

set(CPACK_DEBIAN_APP_PACKAGE_NAME quarlin-host-app)
set(CPACK_DEBIAN_APP_PACKAGE_SECTION science)
set(CPACK_DEBIAN_APP_PACKAGE_DEPENDS "${_testing_package} (= ${_version})")
set(CPACK_COMPONENT_APP_DESCRIPTION "reference host application of the Quarlin prompt dialogs
A small plotting host that opens every Quarlin prompt from its menus, shows
what the host received, its style settings and undo steps, and renders a
gallery of every prompt (--gallery) or answers every prompt by script
(--exercise).")

# What Debian asks of every package: its copyright and its changelog, in its doc folder.
set(_debian_doc ${CMAKE_BINARY_DIR}/debian-doc)
file(MAKE_DIRECTORY ${_debian_doc})
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _license)
string(REGEX REPLACE "\n\n" "\n .\n" _license_body "${_license}")
string(REGEX REPLACE "\n([^ ])" "\n \\1" _license_body "${_license_body}")
file(WRITE ${_debian_doc}/copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: quarlin-prompt

Files: *
Copyright: 2026 the Quarlin Prompt developers
License: BSD-3-clause

License: BSD-3-clause
 ${_license_body}")
# The release's date is the one CHANGELOG.md gives it, so the packages are the same whenever
# they are built.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md _release ENCODING UTF-8 REGEX "^## ${PROJECT_VERSION} [^0-9]* [0-9]+-[0-9]+-[0-9]+$")
if(NOT _release MATCHES "([0-9]+)-([0-9]+)-([0-9]+)$")
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## ${PROJECT_VERSION} — YYYY-MM-DD\" for this version.")
endif()
execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_0} 00:00:00" OUTPUT_VARIABLE _date
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${_debian_doc}/changelog.Debian "quarlin-prompt (${_version}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}; what it changed for a host is in CHANGELOG.md,
    installed beside this file as changelog.gz.

 -- ${QUARLIN_DEBIAN_MAINTAINER}  ${_date}
")
configure_file(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${_debian_doc}/changelog COPYONLY)
foreach(file changelog.Debian changelog)
  execute_process(COMMAND gzip -9nf ${_debian_doc}/${file})
endforeach()
# Libraries tell the dynamic linker's cache to refresh once dpkg is done.
file(WRITE ${_debian_doc}/triggers "activate-noawait ldconfig\n")
foreach(component host_runtime prompt_runtime testing_runtime)
  string(TOUPPER ${component} _upper)
  set(CPACK_DEBIAN_${_upper}_PACKAGE_CONTROL_EXTRA ${_debian_doc}/triggers)
endforeach()
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  string(TOUPPER ${component} _upper)
  install(FILES ${_debian_doc}/copyright ${_debian_doc}/changelog.Debian.gz ${_debian_doc}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${_upper}_PACKAGE_NAME}
          COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

include(CPack)
