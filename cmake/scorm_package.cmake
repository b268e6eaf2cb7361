# Makes the SCORM 1.2 package, the ZIP that a learning platform (Moodle: the activity "SCORM
# package") takes: imsmanifest.xml, made from packaging/imsmanifest.xml.in, and the one-file page
# bch.html as the web build made it, which is the launch page. A platform reads the manifest,
# opens bch.html in a frame and offers its run-time there; the page finds it (web/practice/lms.js).
#
#   cmake -DSOURCE=. -DPAGE=build-web/bch.html -DVERSION=1.0.0 -DWORK=build-web/scorm
#         -DOUTPUT=build-web/bch-1.0.0-scorm12.zip [-DZIP=/usr/bin/zip] -P cmake/scorm_package.cmake
#
# The manifest's mastery score is read from web/practice/progress.js (PASSING_SCORE), the page's own
# threshold, so that the two cannot differ. With SOURCE_DATE_EPOCH set every file in the ZIP
# carries that date, and the files go in in a fixed order with nothing of the machine's (owner,
# access times): two builds of the same sources give the same bytes.
cmake_minimum_required(VERSION 3.20)

foreach(variable IN ITEMS SOURCE PAGE VERSION WORK OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "scorm_package.cmake: -D${variable}=... is missing")
  endif()
endforeach()

file(READ "${SOURCE}/web/practice/progress.js" progress)
string(REGEX MATCHALL "\nexport const PASSING_SCORE = " passing "${progress}")
list(LENGTH passing found)
if(NOT found EQUAL 1 OR NOT progress MATCHES "\nexport const PASSING_SCORE = ([0-9]+);\n")
  message(FATAL_ERROR "scorm_package.cmake: web/practice/progress.js must hold one line "
                      "\"export const PASSING_SCORE = NUMBER;\"")
endif()
set(BCH_MASTERY_SCORE ${CMAKE_MATCH_1})
if(BCH_MASTERY_SCORE GREATER 100)
  message(FATAL_ERROR "scorm_package.cmake: PASSING_SCORE ${BCH_MASTERY_SCORE} is above 100")
endif()
set(BCH_VERSION "${VERSION}")

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# Readable by all, whatever the umask of the build.
set(mode FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
configure_file("${SOURCE}/packaging/imsmanifest.xml.in" "${WORK}/imsmanifest.xml" @ONLY ${mode})
configure_file("${PAGE}" "${WORK}/bch.html" COPYONLY ${mode})

# Info-ZIP's zip, with -X: no extra fields, which would carry each file's owner and its access
# and change times (CMake's own archiver writes them, and a change time cannot be set). Each
# entry then keeps its mode and its modification time, set here to SOURCE_DATE_EPOCH where
# that is set; a ZIP keeps local times, and zip runs in UTC whatever the machine's zone.
if(NOT ZIP)
  find_program(ZIP zip)
endif()
if(NOT ZIP)
  message(FATAL_ERROR "scorm_package.cmake: no zip to make the package (Debian: zip)")
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  foreach(file IN ITEMS imsmanifest.xml bch.html)
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" "${WORK}/${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
file(REMOVE "${OUTPUT}")
# The manifest first, as a platform looks for it; the order is the command line's.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC
                        "${ZIP}" -X -9 -q "${OUTPUT}" imsmanifest.xml bch.html
                WORKING_DIRECTORY "${WORK}" COMMAND_ERROR_IS_FATAL ANY)
