# Checks that every include points down the layers, never up.
#
#   cmake -DSOURCE_DIR=/path/to/raketa -P tools/layer_check.cmake
#
# The game is built in layers, bottom first:
#   services      the interfaces the backends implement, code page, host names
#   world         the rooms, the items and the rules that move them
#   commands      what the typed commands do to the world
#   app           the main form, its keys and its frame step
#   presentation  the backends (replay, live, web) and what they share (render,
#                 catalogue, boxes); they implement the services
# Each folder below names the folders its files may include from. A file
# that includes from anywhere else fails the check, naming file and include.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "layer check: SOURCE_DIR is not set")
endif()

# folder | folders it may include from, by commas (its own always)
set(RAKETA_LAYERS
  "services|"
  "world|services"
  "commands|world,services"
  "app|commands,world,services"
  "presentation/catalogue|services"
  "presentation/render|presentation/catalogue,services"
  "presentation/replay|presentation/render,presentation/catalogue,services"
  "presentation/boxes|presentation/render,presentation/catalogue,services"
  "presentation/live|presentation/boxes,presentation/render,presentation/catalogue,services"
  "presentation/web|presentation/boxes,presentation/render,presentation/catalogue,services")

# The program's wiring sees every layer: it puts the game and a backend
# together.
set(RAKETA_WIRING app/main.cpp app/web_main.cpp)

# Everything below the backends stays free of SDL, and so does what the
# backends share: the renderer, the catalogue and the boxes are built for
# every platform the game runs on, SDL or not, and the replay runs headless.
set(RAKETA_NO_SDL services world commands app presentation/render presentation/catalogue
  presentation/boxes presentation/replay)
string(REPLACE ";" "|" RAKETA_NO_SDL_ALT "${RAKETA_NO_SDL}")

set(failures 0)
foreach(entry IN LISTS RAKETA_LAYERS)
  string(FIND "${entry}" "|" bar)
  string(SUBSTRING "${entry}" 0 ${bar} folder)
  math(EXPR after "${bar} + 1")
  string(SUBSTRING "${entry}" ${after} -1 allowed)
  string(REPLACE "," "|" allowed_alt "${allowed}")
  string(REPLACE "," " " allowed "${allowed}")
  if(NOT EXISTS "${SOURCE_DIR}/${folder}")
    message(NOTICE "no folder ${folder}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
    "${SOURCE_DIR}/${folder}/*.inc")
  foreach(file IN LISTS files)
    if(file IN_LIST RAKETA_WIRING)
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(target "${CMAKE_MATCH_1}")
        if(NOT target MATCHES "/")
          continue()  # a neighbour in the same folder
        endif()
        if(target MATCHES "^${folder}/")
          continue()
        endif()
        if(NOT allowed STREQUAL "" AND target MATCHES "^(${allowed_alt})/")
          continue()
        endif()
        message(NOTICE "${file} includes \"${target}\", "
          "but ${folder}/ may include only from: ${folder} ${allowed}")
        math(EXPR failures "${failures} + 1")
      elseif(line MATCHES "#[ \t]*include[ \t]*<(SDL[^>]*)>")
        set(header "${CMAKE_MATCH_1}")
        if(file MATCHES "^(${RAKETA_NO_SDL_ALT})/")
          message(NOTICE "${file} includes <${header}>, "
            "but ${CMAKE_MATCH_1}/ stays free of SDL")
          math(EXPR failures "${failures} + 1")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "layer check: ${failures} include(s) against the layers")
endif()
message(STATUS "layer check: every include points down the layers")
