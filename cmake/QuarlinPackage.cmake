# cmake --install puts both libraries, their public headers and a CMake package in the prefix:
#   find_package(QuarlinPrompt REQUIRED)
#   target_link_libraries(host PRIVATE QuarlinPrompt::quarlin_prompt)
#   target_link_libraries(host_tests PRIVATE QuarlinPrompt::quarlin_prompt_testing)
include(CMakePackageConfigHelpers)

set(QUARLIN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/QuarlinPrompt)

# Each library is a runtime piece of its own (a Debian package each, named after its SONAME);
# the namelinks are development files.
install(TARGETS quarlin_host EXPORT QuarlinPromptTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT host_runtime NAMELINK_COMPONENT development)
install(TARGETS quarlin_prompt EXPORT QuarlinPromptTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT prompt_runtime NAMELINK_COMPONENT development)
if(TARGET quarlin_prompt_testing)
  install(TARGETS quarlin_prompt_testing EXPORT QuarlinPromptTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT testing_runtime NAMELINK_COMPONENT development)
endif()
install(EXPORT QuarlinPromptTargets NAMESPACE QuarlinPrompt::
        DESTINATION ${QUARLIN_INSTALL_CMAKEDIR} COMPONENT development)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/QuarlinPromptConfig.cmake.in
  ${CMAKE_BINARY_DIR}/QuarlinPromptConfig.cmake INSTALL_DESTINATION ${QUARLIN_INSTALL_CMAKEDIR})
# Before 1.0 a minor release may break the ABI (see the SONAME), so only 0.1.x satisfies 0.1.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/QuarlinPromptConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/QuarlinPromptConfig.cmake
              ${CMAKE_BINARY_DIR}/QuarlinPromptConfigVersion.cmake
        DESTINATION ${QUARLIN_INSTALL_CMAKEDIR} COMPONENT development)

# The same libraries for a host that builds with qmake, Meson or a Makefile:
#   g++ host.cpp $(pkg-config --cflags --libs quarlin-prompt)
set(QUARLIN_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH QUARLIN_PC_UP /prefix/${QUARLIN_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" QUARLIN_PC_UP "${QUARLIN_PC_UP}")
function(quarlin_pkg_config name library description requires)
  set(QUARLIN_PC_NAME ${name})
  set(QUARLIN_PC_LIBRARY ${library})
  set(QUARLIN_PC_DESCRIPTION ${description})
  set(QUARLIN_PC_REQUIRES ${requires})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/pkgconfig/quarlin-prompt.pc.in ${CMAKE_BINARY_DIR}/pkgconfig/${name}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/pkgconfig/${name}.pc DESTINATION ${QUARLIN_INSTALL_PKGCONFIGDIR}
          COMPONENT development)
endfunction()
quarlin_pkg_config(quarlin-host quarlin_host "The host interface the prompts call" "")
quarlin_pkg_config(quarlin-prompt quarlin_prompt "Prompt dialogs and their property model"
                   "quarlin-host Qt${QUARLIN_QT_MAJOR}Widgets >= ${QUARLIN_QT_MINIMUM}")
if(TARGET quarlin_prompt_testing)
  quarlin_pkg_config(quarlin-prompt-testing quarlin_prompt_testing "Scripted answers to the prompts for a host's tests"
                     "quarlin-prompt")
endif()
