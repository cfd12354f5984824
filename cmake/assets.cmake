# The pictures and sound cues ship inside the executable. Each file under
# assets/ becomes a generated C++ source holding its bytes (by the script
# embed_asset.cmake, at build time, again whenever the file changes), and
# they are compiled with the catalogue that decodes them.
# The files themselves are made by tools/asset_maker (see docs/assets.md).

# Which files: the identifiers of services/asset_list.inc, the one list
# the game's code is built from too (configuring again when it changes).
set(RAKETA_ASSET_LIST ${PROJECT_SOURCE_DIR}/services/asset_list.inc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RAKETA_ASSET_LIST})
function(raketa_asset_ids macro out)
  file(STRINGS ${RAKETA_ASSET_LIST} lines REGEX "^${macro}\\(")
  set(ids)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^${macro}\\(([a-z_0-9]+)," match "${line}")
    if(NOT match)
      message(FATAL_ERROR "${RAKETA_ASSET_LIST}: cannot read the identifier in: ${line}")
    endif()
    list(APPEND ids ${CMAKE_MATCH_1})
  endforeach()
  if(NOT ids)
    message(FATAL_ERROR "${RAKETA_ASSET_LIST}: no ${macro} lines")
  endif()
  set(${out} ${ids} PARENT_SCOPE)
endfunction()
raketa_asset_ids(RAKETA_PICTURE RAKETA_PICTURE_FILES)
raketa_asset_ids(RAKETA_CUE RAKETA_CUE_FILES)

set(RAKETA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_asset.cmake)
set(RAKETA_EMBED_DIR ${PROJECT_BINARY_DIR}/embedded_assets)
set(RAKETA_EMBEDDED_SOURCES)

function(raketa_embed kind file)
  if(kind STREQUAL "picture")
    set(input ${PROJECT_SOURCE_DIR}/assets/pictures/${file}.jpg)
  else()
    set(input ${PROJECT_SOURCE_DIR}/assets/cues/${file}.ogg)
  endif()
  # No asset, no game: stop at configure time with the file's name.
  if(NOT EXISTS ${input})
    message(FATAL_ERROR "missing asset ${input}: the executable cannot be built without it "
                        "(regenerate with tools/asset_maker, see docs/assets.md)")
  endif()
  set(output ${RAKETA_EMBED_DIR}/${kind}_${file}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${kind}_${file} -P ${RAKETA_EMBED_SCRIPT}
    DEPENDS ${input} ${RAKETA_EMBED_SCRIPT}
    COMMENT "Embedding ${kind} ${file}"
    VERBATIM)
  set(RAKETA_EMBEDDED_SOURCES ${RAKETA_EMBEDDED_SOURCES} ${output} PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${RAKETA_EMBED_DIR})
foreach(file IN LISTS RAKETA_PICTURE_FILES)
  raketa_embed(picture ${file})
endforeach()
foreach(file IN LISTS RAKETA_CUE_FILES)
  raketa_embed(cue ${file})
endforeach()

file(GLOB CATALOGUE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/presentation/catalogue/*.cpp)
add_library(raketa_catalogue STATIC ${CATALOGUE_SOURCES} ${RAKETA_EMBEDDED_SOURCES})
target_include_directories(raketa_catalogue PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(raketa_catalogue PRIVATE raketa_services)
