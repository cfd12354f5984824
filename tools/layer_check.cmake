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
# The build files are held to the same: a presentation library links only
# raketa_services of the game's libraries, never world, commands, app or all
# of them (raketa_core), and the SDL-free ones link no SDL either.

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

# The presentation's libraries, and those of them that stay free of SDL.
set(RAKETA_PRESENTATION_LIBRARIES raketa_catalogue raketa_render raketa_replay raketa_boxes
  raketa_web_rules raketa_live)
set(RAKETA_NO_SDL_LIBRARIES raketa_catalogue raketa_render raketa_replay raketa_boxes)
set(RAKETA_GAME_LIBRARIES "raketa_core|raketa_app|raketa_commands|raketa_world")

set(link_failures 0)
file(GLOB build_files "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/cmake/*.cmake")
foreach(build_file IN LISTS build_files)
  file(READ "${build_file}" text)
  string(REPLACE ";" " " text "${text}")
  string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" calls "${text}")
  file(RELATIVE_PATH shown "${SOURCE_DIR}" "${build_file}")
  foreach(call IN LISTS calls)
    string(REGEX REPLACE "[ \t\r\n]+" " " call "${call}")
    if(NOT call MATCHES "^target_link_libraries\\( *([A-Za-z0-9_]+)(.*)\\)$")
      continue()
    endif()
    set(library "${CMAKE_MATCH_1}")
    set(links " ${CMAKE_MATCH_2} ")
    if(NOT library IN_LIST RAKETA_PRESENTATION_LIBRARIES)
      continue()
    endif()
    if(links MATCHES " (${RAKETA_GAME_LIBRARIES}) ")
      message(NOTICE "${shown}: ${library} links ${CMAKE_MATCH_1}, "
        "but a presentation library links only raketa_services of the game")
      math(EXPR link_failures "${link_failures} + 1")
    endif()
    if(library IN_LIST RAKETA_NO_SDL_LIBRARIES AND links MATCHES "[ :](SDL[A-Za-z0-9_]*) ")
      message(NOTICE "${shown}: ${library} links ${CMAKE_MATCH_1}, but it stays free of SDL")
      math(EXPR link_failures "${link_failures} + 1")
    endif()
  endforeach()
endforeach()

if(failures GREATER 0 OR link_failures GREATER 0)
  message(FATAL_ERROR "layer check: ${failures} include(s) and ${link_failures} link(s) against the layers")
endif()
message(STATUS "layer check: every include and every link points down the layers")
