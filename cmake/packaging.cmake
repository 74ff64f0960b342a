# The release: FizzmoLite-<version>-win32.zip (or -win64), made by CPack's ZIP generator from
# what is installed here. `cmake --build <build> --target package` makes it.
install(TARGETS FizzmoLite fizzmo-codes RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/resources/codes.dll DESTINATION .)
# Windows line ends, so that Notepad on any Windows shows its lines.
configure_file(${CMAKE_SOURCE_DIR}/docs/README.txt.in ${CMAKE_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt DESTINATION .)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(FIZZMO_PACKAGE_SYSTEM win32)
else()
  set(FIZZMO_PACKAGE_SYSTEM win64)
endif()

# Every file in the zip carries one fixed time: SOURCE_DATE_EPOCH when given, else the commit's
# time, so two builds of one commit give the same zip.
set(FIZZMO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(FIZZMO_SOURCE_DATE_EPOCH STREQUAL "")
  execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE FIZZMO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if(FIZZMO_SOURCE_DATE_EPOCH STREQUAL "")
  set(FIZZMO_SOURCE_DATE_EPOCH 315532800) # 1980-01-01, the earliest time a zip can hold
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME FizzmoLite)
set(CPACK_PACKAGE_VENDOR "FizzmoLite developers")
set(CPACK_PACKAGE_FILE_NAME "FizzmoLite-${PROJECT_VERSION}-${FIZZMO_PACKAGE_SYSTEM}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_normalize.cmake)
set(CPACK_FIZZMO_SOURCE_DATE_EPOCH ${FIZZMO_SOURCE_DATE_EPOCH})
include(CPack)
