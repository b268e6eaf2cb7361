# Run by CPack before it archives the staged files: gives every one of them the date in
# SOURCE_DATE_EPOCH, so that the archives do not depend on when the build ran.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
  foreach(path IN LISTS staged)
    execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${path}")
  endforeach()
endif()
