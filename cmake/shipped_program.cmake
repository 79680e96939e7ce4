# What a program that reaches end users carries: a version resource made from
# the project's version, product name and copyright, and a header that asks
# for a large address space, no terminal-server compatibility layer and, when
# started from a disc, a USB stick or a share, a run from the page file (set
# after the link by pe_media_flags.py, which keeps the header checksum right).
function(ship_program target description)
  set(VERSION_DESCRIPTION "${description}")
  set(VERSION_INTERNAL_NAME "${target}")
  set(VERSION_FILE_NAME "${target}.exe")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
  target_link_options(${target} PRIVATE -Wl,--large-address-aware,--tsaware)
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND python3 ${PROJECT_SOURCE_DIR}/cmake/pe_media_flags.py
                             $<TARGET_FILE:${target}>
                     VERBATIM)
endfunction()
