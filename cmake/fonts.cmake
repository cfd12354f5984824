# The game's typeface is built into the program: Comic Neue Regular and Bold
# (SIL Open Font License), taken at build time from Debian's
# fonts-comic-neue, each turned into a generated C++ source holding its bytes
# as the pictures and cues are (embed_asset.cmake).  The glyphs are drawn by
# stb_truetype and the pictures decoded by stb_image, both header-only, from
# Debian's libstb-dev.
set(RAKETA_FONT_DIR /usr/share/fonts/opentype/comic-neue CACHE PATH
  "Folder holding ComicNeue-Regular.otf and ComicNeue-Bold.otf (Debian: fonts-comic-neue)")
set(RAKETA_FONT_LICENCE /usr/share/doc/fonts-comic-neue/copyright CACHE FILEPATH
  "Comic Neue's copyright and licence text, installed beside the game")

set(RAKETA_FONT_SOURCES)
foreach(weight Regular Bold)
  set(input ${RAKETA_FONT_DIR}/ComicNeue-${weight}.otf)
  if(NOT EXISTS ${input})
    message(FATAL_ERROR "missing font ${input}: the game is built with it inside "
                        "(install fonts-comic-neue, or set RAKETA_FONT_DIR)")
  endif()
  string(TOLOWER ${weight} symbol)
  set(output ${RAKETA_EMBED_DIR}/font_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=font_${symbol} -P ${RAKETA_EMBED_SCRIPT}
    DEPENDS ${input} ${RAKETA_EMBED_SCRIPT}
    COMMENT "Embedding font ComicNeue-${weight}"
    VERBATIM)
  list(APPEND RAKETA_FONT_SOURCES ${output})
endforeach()
if(NOT EXISTS ${RAKETA_FONT_LICENCE})
  message(FATAL_ERROR "missing ${RAKETA_FONT_LICENCE}: the font's licence ships with the game "
                      "(install fonts-comic-neue, or set RAKETA_FONT_LICENCE)")
endif()
