# Run by CPack on its staging tree before the .deb is made: Debian ships manual pages and
# changelogs compressed, without a time stamp, so the package builds the same every time.
file(GLOB_RECURSE documents
  "${CPACK_TEMPORARY_DIRECTORY}/*/share/man/*.6"
  "${CPACK_TEMPORARY_DIRECTORY}/*/share/doc/tavrolin/changelog")
foreach(document IN LISTS documents)
  execute_process(COMMAND gzip -9 -n -f "${document}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${document} failed")
  endif()
endforeach()
