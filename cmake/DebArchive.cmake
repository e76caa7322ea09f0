# Run by CPack after it has made the package: writes the .deb's outer ar archive again in ar's
# deterministic mode (every member owned by 0:0, mode 644, dated 0), so that neither the
# build's umask nor its user leaves a trace. The members keep their order: debian-binary first.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(members_dir ${deb}.members)
  file(REMOVE_RECURSE ${members_dir})
  file(MAKE_DIRECTORY ${members_dir})
  execute_process(COMMAND ${CPACK_FLIPSTONE_AR} t ${deb} OUTPUT_VARIABLE members
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" members "${members}")
  execute_process(COMMAND ${CPACK_FLIPSTONE_AR} x ${deb} WORKING_DIRECTORY ${members_dir}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${deb})
  execute_process(COMMAND ${CPACK_FLIPSTONE_AR} qcSD ${deb} ${members}
                  WORKING_DIRECTORY ${members_dir} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${members_dir})
endforeach()
