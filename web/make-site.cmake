# Makes the site folder from the built program (cmake -P; the variables come
# from web/CMakeLists.txt). The page learns the program's size here, so that
# its progress bar counts against the real total.
file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR}/licenses)
file(COPY ${PROGRAM_DIR}/cartouchery.js ${PROGRAM_DIR}/cartouchery.wasm
          ${WEB_DIR}/loader.js ${WEB_DIR}/cartouchery.css
          ${SOURCE_DIR}/assets/icons/cartouchery-64.png
     DESTINATION ${SITE_DIR})
file(COPY_FILE ${SOURCE_DIR}/assets/window.ico ${SITE_DIR}/cartouchery.ico)

file(SIZE ${SITE_DIR}/cartouchery.wasm CARTOUCHERY_WASM_BYTES)
if(SOURCE_ARCHIVE)
  set(CARTOUCHERY_SOURCE_ARCHIVE ${SOURCE_ARCHIVE})
else()
  set(CARTOUCHERY_SOURCE_ARCHIVE "licenses/")
endif()
configure_file(${WEB_DIR}/cartouchery.html.in ${SITE_DIR}/cartouchery.html @ONLY)
# A bare address of the folder opens the page too.
file(COPY_FILE ${SITE_DIR}/cartouchery.html ${SITE_DIR}/index.html)

# The licences: the program's, Qt's LGPL and the GPL it builds on, and those
# of what Qt bundles (FreeType, HarfBuzz, libpng, zlib, PCRE2, the fonts).
file(COPY_FILE ${SOURCE_DIR}/LICENSE ${SITE_DIR}/licenses/Cartouchery-MIT.txt)
file(GLOB qt_licenses ${QT_LICENSES_DIR}/*.txt)
file(COPY ${qt_licenses} DESTINATION ${SITE_DIR}/licenses)
file(GLOB texts RELATIVE ${SITE_DIR}/licenses ${SITE_DIR}/licenses/*.txt)
list(SORT texts)
set(items "")
foreach(text ${texts})
  string(APPEND items "<li><a href=\"${text}\">${text}</a></li>\n")
endforeach()
file(WRITE ${SITE_DIR}/licenses/index.html
"<!doctype html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>The Cartouchery: licences</title></head>
<body><h1>Licences</h1>
<p>The Cartouchery is under the MIT licence. Qt is linked into the program under the GNU LGPL 3.0
(which builds on the GNU GPL 3.0); the other texts are those of the libraries and fonts that Qt
brings with it.</p>\n<ul>\n${items}</ul>\n<p><a href=\"../cartouchery.html\">Back to The Cartouchery</a></p>
</body></html>\n")

# The source of exactly what was built, uncommitted changes included.
if(SOURCE_ARCHIVE)
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} stash create
                  OUTPUT_VARIABLE tree OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT tree)
    set(tree HEAD)
  endif()
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} archive --format=tar.gz
                          --prefix=cartouchery-${PROJECT_VERSION}/ -o ${SITE_DIR}/${SOURCE_ARCHIVE} ${tree}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
