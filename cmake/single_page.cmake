# Writes raketa.html: the whole game in one file, to be sent to a friend and
# opened from disk, where a browser lets a page read no other file.  The
# site's page with raketa.js written into it and raketa.wasm beside it as
# base64 text, handed to the program as Module.wasmBinary so that nothing is
# fetched.  The world and the texts are inside raketa.wasm already.
#   cmake -DSITE=build-web/site -DOUTPUT=build-web/raketa.html -P single_page.cmake
file(READ ${SITE}/index.html page)
file(READ ${SITE}/raketa.js program)
execute_process(COMMAND base64 -w0 ${SITE}/raketa.wasm OUTPUT_VARIABLE wasm RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "base64 of ${SITE}/raketa.wasm failed")
endif()
# Inside a script element "</script" would end it early.
string(REPLACE "</script" "<\\/script" program "${program}")
set(decode "Module.wasmBinary = (function (text) {
  const bytes = atob(text);
  const out = new Uint8Array(bytes.length);
  for (let i = 0; i < bytes.length; i++) out[i] = bytes.charCodeAt(i);
  return out;
})(\"${wasm}\");")
# Nothing to fetch ahead: the program is inside.
string(REPLACE "<link rel=\"preload\" href=\"raketa.wasm\" as=\"fetch\" type=\"application/wasm\" crossorigin>\n" "" page "${page}")
string(REPLACE "<html lang=\"cs\">" "<html lang=\"cs\" data-jeden-soubor>" page "${page}")
string(REPLACE "<script src=\"raketa.js\" async></script>" "<script>\n${decode}\n</script>\n<script>\n${program}</script>" page "${page}")
file(WRITE ${OUTPUT} "${page}")
