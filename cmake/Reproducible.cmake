# The same commit gives the same programs and package bytes, whichever folder it is built in and
# whenever (`make reproducible` proves it):
# - no build path in the binaries: source and build folders are written as relative names;
# - the time of the last commit (SOURCE_DATE_EPOCH, unless the environment sets it) for every
#   date the build writes: the manual pages, and every file's date in the package;
# - no file dates in the embedded resources: every run of the resource compiler, AUTORCC's or the
#   project's own, writes format 1, which records none.

# The build folder comes second: it may lie inside the source folder, and the last match wins.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
set(FLIPSTONE_RCC_OPTIONS --format-version 1)
set(CMAKE_AUTORCC_OPTIONS ${FLIPSTONE_RCC_OPTIONS})

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(FLIPSTONE_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE FLIPSTONE_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(NOT FLIPSTONE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  # Neither the environment nor a git checkout tells the time: the changelog's newest entry does.
  execute_process(COMMAND dpkg-parsechangelog -l ${PROJECT_SOURCE_DIR}/packaging/changelog
                          -S Timestamp
                  OUTPUT_VARIABLE FLIPSTONE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
message(STATUS "Dates in the package: SOURCE_DATE_EPOCH=${FLIPSTONE_SOURCE_DATE_EPOCH}")
