# make_site.cmake — lays out the site from the built programs, the data
# package, the pages' catalogue and the page sources:
#   cmake -DSOURCE=<web/> -DPROGRAMS=<dir> -DPACKAGE=<data.tar.gz> -DICONS=<icons/hicolor>
#         -DCATALOGUE=<catalogue.js> -DSCREEN=<platform/platform.h> -DSITE=<site/> -P make_site.cmake
#
# The programs (their script and WebAssembly) are compressed with gzip; the
# page unpacks them in the browser, as it does the data package. Every file
# a page loads carries a hash of its content in its address (?v=...), so a
# browser or the service worker may keep it for good; the pages and the
# service worker name the current version of the site, a hash of them all.

# ---- The two pages: what each says of itself -----------------------------------
# German, as every text is written; the page shows them in its language
# (language.js), and tools/catalogue finds them by page_text.
function(page_text name text)
  set(${name} "${text}" PARENT_SCOPE)
endfunction()
page_text(zauberlabyrinth_title "Zauberlabyrinth")
page_text(zauberlabyrinth_description "Zauberlabyrinth im Browser: ein Zauberer in acht Labyrinthen, verfolgt von Schweinen, Flammengeistern, Augen und Putzmännern. Spielstände bleiben im Browser; gespielt wird mit Tastatur, Maus, Joystick oder Tasten auf dem Bildschirm.")
page_text(zauberlabyrinth_canvas "Das Spiel")
page_text(zauberlabyrinth_ended "Das Spiel ist beendet.")
page_text(editor_title "Zauberlabyrinth – Editor")
page_text(editor_description "Der Editor des Zauberlabyrinths im Browser: Labyrinthe bauen, prüfen und gleich im Spiel ausprobieren; sie bleiben im Browser, für das Spiel bereit.")
page_text(editor_canvas "Der Editor")
page_text(editor_ended "Der Editor ist beendet.")
set(programs zauberlabyrinth editor)

# The canvas is as large as the programs' screen, as the platform states it.
foreach(side Width Height)
  file(STRINGS ${SCREEN} line REGEX "constexpr int kScreen${side} = [0-9]+;")
  string(REGEX MATCH "[0-9]+" screen_${side} "${line}")
  if(NOT screen_${side})
    message(FATAL_ERROR "make_site: kScreen${side} not found in ${SCREEN}")
  endif()
endforeach()
set(screen_width ${screen_Width})
set(screen_height ${screen_Height})

file(MAKE_DIRECTORY ${SITE})

# Copies `from` to SITE/`name` when it differs.
function(put from name)
  configure_file(${from} ${SITE}/${name} COPYONLY)
endfunction()

# SITE/`name` as gzip of `from`, made again when `from` is newer.
function(put_packed from name)
  if(NOT EXISTS ${SITE}/${name} OR ${from} IS_NEWER_THAN ${SITE}/${name})
    execute_process(COMMAND gzip -9 -n -c ${from} OUTPUT_FILE ${SITE}/${name} RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "make_site: gzip ${from} failed")
    endif()
  endif()
endfunction()

foreach(page_file page.css page.js language.js store.js transfer.js touch.js manifest.webmanifest)
  put(${SOURCE}/${page_file} ${page_file})
endforeach()
put(${CATALOGUE} catalogue.js)
foreach(size 32 192 512)
  put(${ICONS}/${size}x${size}/apps/zauberlabyrinth.png icon-${size}.png)
endforeach()
put(${PACKAGE} data.tar.gz)
foreach(program IN LISTS programs)
  if(EXISTS ${PROGRAMS}/${program}.js)
    put_packed(${PROGRAMS}/${program}.js ${program}.js.gz)
    put_packed(${PROGRAMS}/${program}.wasm ${program}.wasm.gz)
  endif()
endforeach()

# ---- Addresses with the content's hash ----------------------------------------------
set(all_hashes "")
# Sets url_<var> to "name?v=<hash>" and bytes_<var> to the file's size.
function(versioned name var)
  file(SHA256 ${SITE}/${name} hash)
  string(SUBSTRING ${hash} 0 12 hash)
  file(SIZE ${SITE}/${name} bytes)
  set(url_${var} "${name}?v=${hash}" PARENT_SCOPE)
  set(bytes_${var} ${bytes} PARENT_SCOPE)
  set(all_hashes "${all_hashes}${hash}" PARENT_SCOPE)
endfunction()

foreach(page_file page.css page.js catalogue.js language.js store.js transfer.js touch.js)
  string(REPLACE "." "_" var ${page_file})
  versioned(${page_file} ${var})
endforeach()
versioned(data.tar.gz data)
foreach(program IN LISTS programs)
  if(EXISTS ${SITE}/${program}.js.gz)
    versioned(${program}.js.gz ${program}_js)
    versioned(${program}.wasm.gz ${program}_wasm)
  endif()
endforeach()
foreach(other manifest.webmanifest icon-32.png icon-192.png icon-512.png page.html.in sw.js.in)
  if(EXISTS ${SITE}/${other})
    file(SHA256 ${SITE}/${other} hash)
  else()
    file(SHA256 ${SOURCE}/${other} hash)
  endif()
  string(APPEND all_hashes ${hash})
endforeach()
string(SHA256 site_version "${all_hashes}")
string(SUBSTRING ${site_version} 0 16 site_version)

# ---- The pages and the service worker -------------------------------------------------
foreach(program IN LISTS programs)
  if(NOT DEFINED url_${program}_js)
    continue()
  endif()
  set(page_program ${program})
  set(page_title "${${program}_title}")
  set(page_description "${${program}_description}")
  set(page_canvas_label "${${program}_canvas}")
  set(page_ended "${${program}_ended}")
  set(site_json "{\"program\": \"${program}\", \"version\": \"${site_version}\", \"files\": {\
\"data\": {\"url\": \"${url_data}\", \"bytes\": ${bytes_data}}, \
\"program\": {\"url\": \"${url_${program}_js}\", \"bytes\": ${bytes_${program}_js}}, \
\"wasm\": {\"url\": \"${url_${program}_wasm}\", \"bytes\": ${bytes_${program}_wasm}}}}")
  if(program STREQUAL "zauberlabyrinth")
    set(page_name index.html)
  else()
    set(page_name ${program}.html)
  endif()
  configure_file(${SOURCE}/page.html.in ${SITE}/${page_name} @ONLY)
endforeach()

set(shell ./ index.html)
if(EXISTS ${SITE}/editor.html)
  list(APPEND shell editor.html)
endif()
list(APPEND shell ${url_page_css} ${url_catalogue_js} ${url_language_js} ${url_store_js} ${url_transfer_js}
     ${url_touch_js} ${url_page_js}
     manifest.webmanifest icon-32.png icon-192.png icon-512.png)
list(JOIN shell "\", \"" site_shell)
set(site_shell "[\"${site_shell}\"]")
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)

# Nothing else stays in the site: a file an older build left there would be
# served for nothing.
file(GLOB present RELATIVE ${SITE} ${SITE}/*)
set(made index.html editor.html sw.js data.tar.gz page.css page.js catalogue.js language.js store.js transfer.js touch.js
    manifest.webmanifest icon-32.png icon-192.png icon-512.png)
foreach(program IN LISTS programs)
  list(APPEND made ${program}.js.gz ${program}.wasm.gz)
endforeach()
list(REMOVE_ITEM present ${made})
foreach(stale IN LISTS present)
  file(REMOVE_RECURSE ${SITE}/${stale})
endforeach()
