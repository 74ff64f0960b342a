# Run by CPack once the zip is made. The zip records each file's times (the change time among
# them, which no one can set) in the order the folder lists them: strip-nondeterminism gives every
# entry one fixed time and sorts them, so two builds of one commit give the same zip.
find_program(STRIP_NONDETERMINISM strip-nondeterminism)
if(NOT STRIP_NONDETERMINISM)
  message(FATAL_ERROR "strip-nondeterminism is missing (Debian package strip-nondeterminism): "
                      "without it the zip would differ from build to build")
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${STRIP_NONDETERMINISM} --type zip
                          --timestamp ${CPACK_FIZZMO_SOURCE_DATE_EPOCH} ${zip}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
