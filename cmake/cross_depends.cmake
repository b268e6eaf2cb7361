# Run by CPack before it makes the .deb of a cross build (cmake/packaging.cmake): the package's
# dependencies, from dpkg-shlibdeps as for a native build, with the target's libraries looked up
# in the cross compiler's tree (/usr/TRIPLET/lib, from Debian's libc6-armhf-cross and the like).
# That tree's shlibs files name the package of each library with its architecture
# (libc6:armhf). In a package of that same architecture the qualifier adds nothing, and a build
# on the target writes the name alone, as this does (libc6).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(work ${CPACK_TOPLEVEL_DIRECTORY}/cross_depends)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/debian)
file(WRITE ${work}/debian/control "") # dpkg-shlibdeps runs in a source tree
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*)
execute_process(COMMAND dpkg-shlibdeps -l${CPACK_BCH_TARGET_LIBRARIES} -O ${programs}
                WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE depends ERROR_VARIABLE errors RESULT_VARIABLE status
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0 OR NOT depends MATCHES "^shlibs:Depends=")
  message(FATAL_ERROR "dpkg-shlibdeps failed:\n${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" depends "${depends}")
string(REPLACE ":${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}" "" depends "${depends}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
file(REMOVE_RECURSE ${work})
