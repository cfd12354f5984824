# Writes a C++ source holding one asset file's bytes:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_asset.cmake
# defines raketa::embedded::<SYMBOL>[] and <SYMBOL>_size.
if(NOT EXISTS "${INPUT}")
  message(FATAL_ERROR "asset file missing: ${INPUT}")
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "asset file is empty: ${INPUT}")
endif()
math(EXPR size "${digits} / 2")
# 32 bytes a line: break the digits into lines first (an even count each,
# so the pairs stay aligned), then turn every pair into a literal.
string(REPEAT "[0-9a-f]" 64 line)
string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} by cmake/embed_asset.cmake; do not edit.\n"
  "#include <cstddef>\n"
  "namespace raketa::embedded {\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}_size;\n"
  "const unsigned char ${SYMBOL}[${size}] = {\n${bytes}\n};\n"
  "const std::size_t ${SYMBOL}_size = ${size};\n"
  "}  // namespace raketa::embedded\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
