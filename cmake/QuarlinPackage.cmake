# cmake --install puts both libraries, their public headers and a CMake package in the prefix:
#   find_package(QuarlinPrompt REQUIRED)
#   target_link_libraries(host PRIVATE QuarlinPrompt::quarlin_prompt)
#   target_link_libraries(host_tests PRIVATE QuarlinPrompt::quarlin_prompt_testing)
include(CMakePackageConfigHelpers)

set(QUARLIN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/QuarlinPrompt)

install(TARGETS quarlin_prompt quarlin_host quarlin_prompt_testing EXPORT QuarlinPromptTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
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
