# quarlin_add_translations(<target> <resource name> <resource prefix> <.ts files>...)
#
# Compiles the committed .ts files with lrelease at build time and embeds the .qm files in the
# target's resources under <resource prefix> (":<prefix>/<name>.qm"). The .ts files are only read
# here; tools/update-translations.sh refreshes them from the sources.
# With QUARLIN_BUILD_TRANSLATIONS off, nothing is embedded and everything speaks English.
function(quarlin_add_translations target resource_name prefix)
  if(NOT QUARLIN_BUILD_TRANSLATIONS)
    return()
  endif()
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set(entries "")
  set(qm_files "")
  foreach(ts IN LISTS ARGN)
    get_filename_component(ts ${ts} ABSOLUTE)
    get_filename_component(base ${ts} NAME_WE)
    set(qm ${out_dir}/${base}.qm)
    add_custom_command(OUTPUT ${qm}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
                       COMMAND Qt${QUARLIN_QT_MAJOR}::lrelease -silent ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
    string(APPEND entries "    <file alias=\"${base}.qm\">${qm}</file>\n")
  endforeach()
  set(qrc ${out_dir}/${resource_name}.qrc)
  file(GENERATE OUTPUT ${qrc}
       CONTENT "<RCC>\n  <qresource prefix=\"${prefix}\">\n${entries}  </qresource>\n</RCC>\n")
  set(cpp ${out_dir}/qrc_${resource_name}.cpp)
  add_custom_command(OUTPUT ${cpp}
                     COMMAND Qt${QUARLIN_QT_MAJOR}::rcc --name ${resource_name} --output ${cpp} ${qrc}
                     DEPENDS ${qm_files} ${qrc} VERBATIM)
  set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOGEN ON)
  add_custom_target(${resource_name} DEPENDS ${cpp})
  add_dependencies(${target} ${resource_name})
  target_sources(${target} PRIVATE ${cpp})
endfunction()
