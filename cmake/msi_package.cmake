# Makes the Windows installer, bch-VERSION-win64.msi (or -win32), with wixl (Debian: wixl, from
# msitools) from packaging/bch.wxs: bch.exe (stripped, as in the ZIP), README.txt and bch.html
# are staged in WORK and packed into the MSI's cabinet.
#
#   cmake -DSOURCE=. -DEXE=build-win64/bch.exe -DREADME=build-win64/packaging/README.txt
#         -DPAGE=build-web/bch.html -DVERSION=1.0.0 -DARCH=x64|x86 -DWORK=build-win64/msi
#         -DOUTPUT=build-win64/bch-1.0.0-win64.msi [-DSTRIP=strip] [-DWIXL=wixl]
#         -P msi_package.cmake
#
# The product code is a name-based GUID of the version and the architecture: a new version gets
# a new one, as a major upgrade needs, and two builds of one version the same. With
# SOURCE_DATE_EPOCH set the staged files carry that date, and everything in the MSI but its
# summary information (the package code, which wixl draws at random, and the times it was
# created and saved) is the same from build to build (.ci/build-twice compares the rest).
cmake_minimum_required(VERSION 3.20)

foreach(variable IN ITEMS SOURCE EXE README PAGE VERSION ARCH WORK OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "msi_package.cmake: -D${variable}=... is missing")
  endif()
endforeach()
if(NOT WIXL)
  find_program(WIXL wixl)
endif()
if(NOT WIXL)
  message(FATAL_ERROR "msi_package.cmake: no wixl to make the MSI (Debian: wixl)")
endif()
if(NOT EXISTS "${PAGE}")
  message(FATAL_ERROR "msi_package.cmake: no ${PAGE}: build the web page first "
                      "(cmake --preset web && cmake --build --preset web)")
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${EXE}" "${WORK}/bch.exe")
file(COPY_FILE "${README}" "${WORK}/README.txt")
file(COPY_FILE "${PAGE}" "${WORK}/bch.html")
if(STRIP)
  execute_process(COMMAND "${STRIP}" "${WORK}/bch.exe" COMMAND_ERROR_IS_FATAL ANY)
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  foreach(file IN ITEMS bch.exe README.txt bch.html)
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" "${WORK}/${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()

if(ARCH STREQUAL "x64")
  set(win64 yes)
else()
  set(win64 no)
endif()
# wixl takes the files' paths relative to the folder it runs in, never absolute ones.
string(UUID product_code NAMESPACE 6f1c2a54-3b7e-4d0a-9c85-2e41b0d7a931
       NAME "bch ${VERSION} ${ARCH}" TYPE SHA1 UPPER)

file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${WIXL}" --arch ${ARCH} -D Version=${VERSION}
                        -D ProductCode=${product_code} -D Files=. -D Win64=${win64}
                        -o "${OUTPUT}" "${SOURCE}/packaging/bch.wxs"
                WORKING_DIRECTORY "${WORK}" COMMAND_ERROR_IS_FATAL ANY)
