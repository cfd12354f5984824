# The game built with Emscripten.  Here: the replay mode for node over the
# host's own files, build-web/node/raketa.js, which runs
#   node raketa.js --replay SCRIPT
# in a folder exactly as the native raketa does (same trace, dumps and
# screenshots).  The page for the browser is cmake/web_page.cmake.

# The world and room texts are compiled by the native world tool, so a web
# build starts from a native one.
set(RAKETA_NATIVE_GAMEDATA ${PROJECT_SOURCE_DIR}/build/gamedata CACHE PATH
  "The native build's gamedata folder (mistnosti.dat, slova.txt and texty/), embedded into the page")

add_executable(raketa_node app/main.cpp)
target_link_libraries(raketa_node PRIVATE raketa_core raketa_replay)
target_compile_definitions(raketa_node PRIVATE
  RAKETA_VERSION="${PROJECT_VERSION}"
  RAKETA_INSTALLED_DATA="/usr/share/raketa")
set_target_properties(raketa_node PROPERTIES
  OUTPUT_NAME raketa
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/node)
# One file (node 20 would try to fetch() a separate .wasm), the host's files
# through node's own, and the host's environment passed in.
set(RAKETA_NODE_PRE_JS ${PROJECT_SOURCE_DIR}/web/node_environment.js)
target_link_options(raketa_node PRIVATE
  -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
  --pre-js ${RAKETA_NODE_PRE_JS})
set_property(TARGET raketa_node APPEND PROPERTY LINK_DEPENDS ${RAKETA_NODE_PRE_JS})

if(EXISTS ${PROJECT_SOURCE_DIR}/cmake/web_page.cmake)
  include(cmake/web_page.cmake)
endif()
