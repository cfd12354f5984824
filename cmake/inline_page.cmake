# Writes web/index.html with web/page.css and web/page.js inside it, so the
# site is three files: the page, raketa.js and raketa.wasm.
#   cmake -DSOURCE_DIR=web -DOUTPUT=site/index.html -P inline_page.cmake
file(READ ${SOURCE_DIR}/index.html page)
file(READ ${SOURCE_DIR}/page.css css)
file(READ ${SOURCE_DIR}/page.js js)
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${css}</style>" page "${page}")
string(REPLACE "<script src=\"page.js\"></script>" "<script>\n${js}</script>" page "${page}")
file(WRITE ${OUTPUT} "${page}")
