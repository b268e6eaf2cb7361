# Writes the site's service worker, SITE/sw.js, from web/sw.js: the line that sets BUILD gets
# every file of the site (but sw.js), in every folder, and the name of the cache that holds
# them, "bch-" and the first 16 hexadecimal digits of the SHA-256 of their names and contents.
# The same files give the same sw.js byte for byte; any change to one gives another cache name,
# which is how a browser that has the site learns of a new build (see web/sw.js).
#
#   cmake -DWEB=web -DSITE=build-web/site -P offline_site.cmake
cmake_minimum_required(VERSION 3.20)

foreach(variable IN ITEMS WEB SITE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "offline_site.cmake: -D${variable}=... is missing")
  endif()
endforeach()

file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(summary "")
set(listed "'./'") # the site's folder itself, which serves index.html
foreach(file IN LISTS files)
  if(NOT file MATCHES "^[A-Za-z0-9_./-]+$")
    message(FATAL_ERROR "offline_site.cmake: ${file}: a file name that sw.js cannot list as is")
  endif()
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND summary "${file} ${hash}\n")
  string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 build "${summary}")
string(SUBSTRING "${build}" 0 16 build)

# The one line "const BUILD = {...};" of web/sw.js, whatever its quotes and spaces.
file(READ "${WEB}/sw.js" worker)
string(REGEX MATCHALL "\nconst BUILD = " lines "${worker}")
list(LENGTH lines found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "offline_site.cmake: web/sw.js must hold one line \"const BUILD = {...};\"")
endif()
string(REGEX REPLACE "\nconst BUILD = {[^\n]*\n"
       "\nconst BUILD = { cache: 'bch-${build}', files: [${listed}] };\n" worker "${worker}")
file(WRITE "${SITE}/sw.js" "${worker}")
