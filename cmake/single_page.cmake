# Makes bch.html, the web page as one file that works opened from disk: index.html with its
# style sheet inside, its module scripts inside as one inline module script, and bch.wasm
# inside as base64, which terminal.js takes instead of fetching bch.wasm. A browser loads no
# module script from a file:// address and fetches nothing there; inline, nothing is loaded.
#
#   cmake -DWEB=web -DWASM=build-web/bch.wasm -DOUTPUT=build-web/bch.html -P single_page.cmake
#
# Each module becomes a function run once, in the order of its imports, whose result holds
# what it exports:
#   import { a, b } from './engine.js';   ->  const { a, b } = module_program_engine;
#   (in web/program/; a module's name is its path under web/, '/' written as '_')
#   (the names may run over several lines)
#   export function a() ...               ->  function a() ... (and `return { a, ... }`)
# Those two forms are the only imports and exports the page's modules may use; anything else
# stops the build. The output depends on the sources alone, byte for byte.
cmake_minimum_required(VERSION 3.20)

foreach(variable IN ITEMS WEB WASM OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "single_page.cmake: -D${variable}=... is missing")
  endif()
endforeach()

# Base64 (RFC 4648) of a file, three bytes (six hexadecimal digits) to four characters.
function(base64_of_file path out)
  set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR whole "${digits} / 6 * 6")
  string(SUBSTRING "${hex}" ${whole} -1 rest) # the last one or two bytes
  string(SUBSTRING "${hex}" 0 ${whole} hex)
  string(REGEX MATCHALL "[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]" groups "${hex}")
  string(LENGTH "${rest}" rest_digits)
  if(rest_digits EQUAL 2)
    list(APPEND groups "${rest}0000")
    set(padding "==")
  elseif(rest_digits EQUAL 4)
    list(APPEND groups "${rest}00")
    set(padding "=")
  else()
    set(padding "")
  endif()
  set(text "")
  foreach(group IN LISTS groups)
    math(EXPR value "0x${group}")
    foreach(shift IN ITEMS 18 12 6 0)
      math(EXPR index "(${value} >> ${shift}) & 63")
      string(SUBSTRING "${alphabet}" ${index} 1 sign)
      string(APPEND text "${sign}")
    endforeach()
  endforeach()
  if(padding)
    string(LENGTH "${padding}" cut)
    string(LENGTH "${text}" length)
    math(EXPR length "${length} - ${cut}")
    string(SUBSTRING "${text}" 0 ${length} text)
    string(APPEND text "${padding}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Appends module NAME (web/NAME.js, NAME a path such as program/engine) to the script, after
# the modules it imports. An import names a module relative to the importing one ('./x.js',
# '../text/x.js'); its function is module_ followed by its path with '/' as '_'.
set(script "")
set(done "")
function(add_module name)
  if(name IN_LIST done)
    return()
  endif()
  if(NOT name MATCHES "^[A-Za-z0-9_]+(/[A-Za-z0-9_]+)*$" OR NOT EXISTS "${WEB}/${name}.js")
    message(FATAL_ERROR "single_page.cmake: no module web/${name}.js")
  endif()
  get_filename_component(folder "${WEB}/${name}.js" DIRECTORY)
  file(READ "${WEB}/${name}.js" code)
  set(code "\n${code}")
  set(path_pattern "\\.\\.?/[A-Za-z0-9_./]+")
  set(import_pattern "\nimport \\{([A-Za-z0-9_$, \n]*)\\} from '(${path_pattern})\\.js'")
  string(REGEX MATCHALL "${import_pattern}" imports "${code}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "${import_pattern}" "\\1" names "${import}")
    string(REGEX REPLACE "${import_pattern}" "\\2" relative "${import}")
    get_filename_component(absolute "${folder}/${relative}" ABSOLUTE)
    file(RELATIVE_PATH imported "${WEB}" "${absolute}")
    add_module(${imported})
    string(REPLACE "/" "_" variable "${imported}")
    string(REPLACE "${import};" "\nconst {${names}} = module_${variable};" code "${code}")
  endforeach()
  set(export_pattern "\nexport (async function|function|class|const|let) ([A-Za-z0-9_$]+)")
  string(REGEX MATCHALL "${export_pattern}" exports "${code}")
  set(names "")
  foreach(export IN LISTS exports)
    string(REGEX REPLACE "${export_pattern}" "\\2" exported "${export}")
    list(APPEND names ${exported})
  endforeach()
  string(REGEX REPLACE "${export_pattern}" "\n\\1 \\2" code "${code}")
  if(code MATCHES "\n(import|export)[ {]")
    message(FATAL_ERROR "single_page.cmake: web/${name}.js imports or exports in a form that "
                        "cannot be inlined: only `import { names } from './file.js';` (or "
                        "'../folder/file.js') and `export function|class|const|let name`")
  endif()
  list(JOIN names ", " names)
  if(names)
    set(names " ${names} ")
  endif()
  string(REPLACE "/" "_" variable "${name}")
  string(APPEND script "// ${name}.js\nconst module_${variable} = await (async () => {${code}"
                       "return {${names}};\n})();\n")
  set(script "${script}" PARENT_SCOPE)
  list(APPEND done ${name})
  set(done "${done}" PARENT_SCOPE)
endfunction()

file(READ "${WEB}/index.html" page)

# What only a served site has, marked data-site-only (the web app manifest, the registration of
# the service worker that keeps the site offline), is left out: one file needs neither.
string(REGEX REPLACE "\n[^\n]*[ \t]data-site-only[^\n]*" "" page "${page}")

# The style sheets.
string(REGEX MATCHALL "<link rel=\"stylesheet\" href=\"[A-Za-z0-9_.-]+\">" links "${page}")
foreach(link IN LISTS links)
  string(REGEX REPLACE ".*href=\"([^\"]+)\".*" "\\1" file "${link}")
  file(READ "${WEB}/${file}" style)
  string(REPLACE "${link}" "<style>\n${style}</style>" page "${page}")
endforeach()

# The module scripts: the first becomes the one inline script, the others go.
string(REGEX MATCHALL "<script type=\"module\" src=\"[A-Za-z0-9_]+\\.js\"></script>" entries
       "${page}")
if(NOT entries)
  message(FATAL_ERROR "single_page.cmake: web/index.html loads no module script")
endif()
foreach(entry IN LISTS entries)
  string(REGEX REPLACE ".*src=\"([A-Za-z0-9_]+)\\.js\".*" "\\1" name "${entry}")
  add_module(${name})
endforeach()
foreach(text IN ITEMS "</script" "<!--")
  string(FIND "${script}" "${text}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "single_page.cmake: the page's script holds \"${text}\", which would "
                        "end or confuse the inline script")
  endif()
endforeach()
base64_of_file("${WASM}" wasm)
list(GET entries 0 first)
string(REPLACE "${first}"
       "<script id=\"bch-wasm\" type=\"application/octet-stream\">${wasm}</script>\n<script type=\"module\">\n${script}</script>"
       page "${page}")
list(REMOVE_AT entries 0)
foreach(entry IN LISTS entries)
  string(REPLACE "${entry}\n" "" page "${page}")
endforeach()

if(page MATCHES "(src|href)=\"[A-Za-z0-9_.-]+\"")
  message(FATAL_ERROR "single_page.cmake: bch.html still refers to a file: ${CMAKE_MATCH_0}")
endif()
file(WRITE "${OUTPUT}" "${page}")
