# The game as a web page: build-web/site/index.html, raketa.js and
# raketa.wasm, served by any static web server.  The browser backend
# (presentation/web) draws on a canvas, hears the page's keys, plays the
# cues through WebAudio and keeps the saves in IndexedDB; Asyncify lets the
# game's loop and its modal boxes sleep between the browser's events as
# they wait for events on the desktop.

set(RAKETA_SITE ${PROJECT_BINARY_DIR}/site)

file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/presentation/web/*.cpp)
add_executable(raketa_page app/web_main.cpp ${WEB_SOURCES})
target_link_libraries(raketa_page PRIVATE raketa_boxes raketa_render raketa_core)
set_target_properties(raketa_page PROPERTIES
  OUTPUT_NAME raketa
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${RAKETA_SITE})

set(RAKETA_PAGE_JS
  ${PROJECT_SOURCE_DIR}/presentation/web/page_hooks.js
  ${PROJECT_SOURCE_DIR}/presentation/web/keep_game.js
  ${PROJECT_SOURCE_DIR}/presentation/web/saves.js
  ${PROJECT_SOURCE_DIR}/presentation/web/sound.js
  ${PROJECT_SOURCE_DIR}/presentation/web/speech.js
  ${PROJECT_SOURCE_DIR}/presentation/web/page_text.js
  ${PROJECT_SOURCE_DIR}/presentation/web/page_controls.js)
# (SHELL: keeps CMake from merging the repeated option names.)
set(pre_js)
foreach(js IN LISTS RAKETA_PAGE_JS)
  list(APPEND pre_js "SHELL:--pre-js ${js}")
endforeach()
# Asyncify rewrites every function that may be on the stack while the game
# sleeps, which by its own reckoning is any that calls through a pointer or
# allocates (operator new calls the new-handler through one): 40 % more code,
# and slower.  The library functions listed in asyncify_remove.json never
# call back into the game, so they are left as they are.
set(RAKETA_ASYNCIFY_REMOVE ${PROJECT_SOURCE_DIR}/cmake/asyncify_remove.json)
target_link_options(raketa_page PRIVATE
  -sENVIRONMENT=web -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sASYNCIFY_REMOVE=@${RAKETA_ASYNCIFY_REMOVE}
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432
  -lidbfs.js -sFORCE_FILESYSTEM=1
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free,_raketa_web_paste,_raketa_web_focus,_raketa_web_key,_raketa_web_field_edit,_raketa_web_keep,_raketa_web_saves_changed
  -sEXPORTED_RUNTIME_METHODS=FS
  "SHELL:--embed-file ${RAKETA_NATIVE_GAMEDATA}/mistnosti.dat@/data/mistnosti.dat"
  "SHELL:--embed-file ${RAKETA_NATIVE_GAMEDATA}/slova.txt@/data/slova.txt"
  "SHELL:--embed-file ${RAKETA_NATIVE_GAMEDATA}/texty@/data/texty"
  ${pre_js})
set_property(TARGET raketa_page APPEND PROPERTY LINK_DEPENDS ${RAKETA_PAGE_JS} ${RAKETA_ASYNCIFY_REMOVE}
  ${RAKETA_NATIVE_GAMEDATA}/mistnosti.dat ${RAKETA_NATIVE_GAMEDATA}/slova.txt)

# The page itself, its style and script written into it: one file.
set(page_parts ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/page.css
  ${PROJECT_SOURCE_DIR}/web/saves_early.js ${PROJECT_SOURCE_DIR}/web/page.js ${PROJECT_SOURCE_DIR}/web/layout.js)
add_custom_command(OUTPUT ${RAKETA_SITE}/index.html
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/web -DOUTPUT=${RAKETA_SITE}/index.html
    -P ${PROJECT_SOURCE_DIR}/cmake/inline_page.cmake
  DEPENDS ${page_parts} ${PROJECT_SOURCE_DIR}/cmake/inline_page.cmake
  COMMENT "The page: build-web/site/index.html")
add_custom_target(raketa_site ALL DEPENDS ${RAKETA_SITE}/index.html raketa_page)

# The game in one file for opening from disk: build-web/raketa.html.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/raketa.html
  COMMAND ${CMAKE_COMMAND} -DSITE=${RAKETA_SITE} -DOUTPUT=${PROJECT_BINARY_DIR}/raketa.html
    -P ${PROJECT_SOURCE_DIR}/cmake/single_page.cmake
  DEPENDS ${RAKETA_SITE}/index.html raketa_page ${PROJECT_SOURCE_DIR}/cmake/single_page.cmake
  COMMENT "The game in one file: build-web/raketa.html")
add_custom_target(raketa_single_page ALL DEPENDS ${PROJECT_BINARY_DIR}/raketa.html)
