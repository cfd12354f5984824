# Writes web/index.html with its style and its scripts (page.css,
# saves_early.js, page.js, layout.js) inside it, so the site is three files:
# the page, raketa.js and raketa.wasm.
#   cmake -DSOURCE_DIR=web -DOUTPUT=site/index.html -P inline_page.cmake
file(READ ${SOURCE_DIR}/index.html page)
file(READ ${SOURCE_DIR}/page.css css)
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${css}</style>" page "${page}")
foreach(script saves_early.js page.js layout.js)
  file(READ ${SOURCE_DIR}/${script} js)
  string(REPLACE "<script src=\"${script}\"></script>" "<script>\n${js}</script>" page "${page}")
endforeach()
file(WRITE ${OUTPUT} "${page}")
