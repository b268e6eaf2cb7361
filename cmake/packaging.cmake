# Installation and packages. `cmake --install` lays out a working tree; the package target
# makes a .deb and a .tar.gz on Linux, a .zip on Windows (the MinGW-w64 cross builds).
# With SOURCE_DATE_EPOCH set, two builds of the same sources in different folders give
# byte-identical packages: the program is stripped (no build paths remain), every packaged
# file carries that date and compressed files carry no name or date of their own.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/bch)
set(packaging ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging})

if(WIN32)
  # A learner unpacks the ZIP and finds bch.exe and README.txt side by side.
  install(TARGETS bch RUNTIME DESTINATION .)
  file(READ ${CMAKE_SOURCE_DIR}/README.md readme)
  string(REPLACE "\n" "\r\n" readme "${readme}")
  file(WRITE ${packaging}/README.txt "${readme}") # a Windows text file: CR LF line ends
  install(FILES ${packaging}/README.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
else()
  install(TARGETS bch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Debian keeps manual pages and changelogs compressed; gzip -n stores no name or date.
  find_program(GZIP gzip REQUIRED)
  foreach(source IN ITEMS doc/bch.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${packaging}/${name}.gz
                       COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/${source} > ${packaging}/${name}.gz
                       DEPENDS ${CMAKE_SOURCE_DIR}/${source})
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${packaging}/bch.1.gz ${packaging}/changelog.gz)
  install(FILES ${packaging}/bch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md packaging/copyright ${packaging}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR DEB TGZ)
endif()

# The web page as one file (bch.html, made by the web build: cmake --preset web), which a
# learner opens in a browser: beside bch.exe in the ZIP, share/bch/bch.html elsewhere.
# BCH_PAGE names a built one; the presets package, win32 and win64 name the web build's.
set(BCH_PAGE "" CACHE FILEPATH "A built bch.html (the web build's one-file page) to install")
if(BCH_PAGE)
  if(NOT EXISTS "${BCH_PAGE}")
    message(WARNING "BCH_PAGE names ${BCH_PAGE}, which does not exist (yet): the package "
                    "target fails until the web page is built (cmake --preset web && "
                    "cmake --build --preset web).")
  endif()
  if(WIN32)
    install(FILES ${BCH_PAGE} DESTINATION .)
  else()
    install(FILES ${BCH_PAGE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bch)
  endif()
endif()

# The Windows installer beside the ZIP: `cmake --build build-win64 --target msi` makes
# bch-VERSION-win64.msi (win32: -win32) with wixl (cmake/msi_package.cmake, packaging/bch.wxs),
# where wixl is installed and BCH_PAGE names the page its shortcut opens.
if(WIN32)
  find_program(BCH_WIXL wixl)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(bch_msi_arch x86)
    set(bch_msi ${CMAKE_BINARY_DIR}/bch-${PROJECT_VERSION}-win32.msi)
  else()
    set(bch_msi_arch x64)
    set(bch_msi ${CMAKE_BINARY_DIR}/bch-${PROJECT_VERSION}-win64.msi)
  endif()
  if(BCH_WIXL AND BCH_PAGE)
    add_custom_command(OUTPUT ${bch_msi}
      COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DEXE=$<TARGET_FILE:bch>
              -DREADME=${packaging}/README.txt -DPAGE=${BCH_PAGE} -DVERSION=${PROJECT_VERSION}
              -DARCH=${bch_msi_arch} -DWORK=${packaging}/msi -DOUTPUT=${bch_msi}
              -DSTRIP=${CMAKE_STRIP} -DWIXL=${BCH_WIXL}
              -P ${CMAKE_SOURCE_DIR}/cmake/msi_package.cmake
      DEPENDS bch ${BCH_PAGE} ${packaging}/README.txt ${CMAKE_SOURCE_DIR}/packaging/bch.wxs
              ${CMAKE_SOURCE_DIR}/cmake/msi_package.cmake)
    add_custom_target(msi DEPENDS ${bch_msi})
  else()
    message(STATUS "No MSI target: it needs wixl (Debian: wixl) and BCH_PAGE (a built bch.html)")
  endif()
endif()

set(CPACK_PACKAGE_NAME bch)
set(CPACK_PACKAGE_VENDOR "the bch authors")
set(CPACK_PACKAGE_CONTACT "the bch authors <bch@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching console for the binary BCH(31,21) code")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A console program that walks a learner through one full cycle of the binary\n"
       "BCH(31,21) code, which corrects two bit errors: it encodes 21 information bits,\n"
       "adds a typed error pattern, prints the syndrome and corrects the word by error\n"
       "trapping, one rotation at a time. Its dialogue is in Polish.")
set(CPACK_PACKAGE_FILE_NAME
    bch-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME bch-${PROJECT_VERSION}-win32)
elseif(WIN32)
  set(CPACK_PACKAGE_FILE_NAME bch-${PROJECT_VERSION}-win64)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}") # after the summary line
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Every file in the archives carries the date of the sources, not of the build.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_dates.cmake)
# A cross build for Linux (cmake/linux-cross.cmake) makes the same packages for its target: the
# .deb names the target's Debian architecture, which dpkg-architecture gives for the compiler's
# triplet (aarch64-linux-gnu: arm64, arm-linux-gnueabihf: armhf, riscv64-linux-gnu: riscv64),
# and takes its dependencies from the target's libraries in the cross compiler's tree
# (cmake/cross_depends.cmake).
if(CMAKE_CROSSCOMPILING AND NOT WIN32)
  find_program(DPKG_ARCHITECTURE dpkg-architecture)
  if(DPKG_ARCHITECTURE AND CMAKE_LIBRARY_ARCHITECTURE)
    execute_process(COMMAND ${DPKG_ARCHITECTURE} -t${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_BCH_TARGET_LIBRARIES ${CMAKE_FIND_ROOT_PATH}/lib)
    list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/cross_depends.cmake)
  else()
    message(WARNING "No dpkg-architecture (Debian: dpkg-dev) to name the Debian architecture "
                    "of ${CMAKE_SYSTEM_PROCESSOR}: the package target makes no .deb.")
    set(CPACK_GENERATOR TGZ)
  endif()
endif()
include(CPack)
