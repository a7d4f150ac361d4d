# cmake -D BUILD_DIR=... -D SOURCE_DIR=... -D SCRATCH=... -D FFMPEG=... -D HELP_PAGES=a.html,b.html
#       -D DESKTOP_FILE_VALIDATE=... -D APPSTREAMCLI=... -P check_install_layout.cmake
#
# Installs the build into a prefix under SCRATCH and checks the layout a desktop and the
# program itself rely on. Every fault is listed before the test fails.
set(id example.brisquel.Brisquel)
include(${CMAKE_CURRENT_LIST_DIR}/faults.cmake)

function(run_install prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install --prefix ${prefix} failed (${rc}):\n${out}")
  endif()
endfunction()

function(png_size file out_width out_height)
  # The IHDR chunk's width and height, big-endian, at bytes 16..23.
  file(READ ${file} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    set(${out_width} "not a PNG" PARENT_SCOPE)
    return()
  endif()
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  set(${out_width} ${width} PARENT_SCOPE)
  set(${out_height} ${height} PARENT_SCOPE)
endfunction()

# A second install over the first must succeed too: the links exist by then.
file(REMOVE_RECURSE ${SCRATCH})
set(prefix ${SCRATCH}/prefix)
run_install(${prefix})
run_install(${prefix})
set(program ${prefix}/lib/brisquel)
string(REPLACE "," ";" help_pages "${HELP_PAGES}")
list(FIND help_pages brisquel.html english)
if(english EQUAL -1)
  fault("the help pages '${HELP_PAGES}' leave out the English brisquel.html")
endif()
set(installed_pages)
foreach(page ${help_pages})
  list(APPEND installed_pages ${program}/${page} ${prefix}/share/doc/brisquel/${page})
endforeach()

foreach(file ${program}/brisquel ${program}/sound.wav ${installed_pages}
    ${program}/translations/brisquel_de.qm ${program}/translations/brisquel_es.qm ${program}/translations/brisquel_fr.qm
    ${prefix}/share/applications/${id}.desktop ${prefix}/share/metainfo/${id}.metainfo.xml)
  if(IS_SYMLINK ${file} OR NOT EXISTS ${file} OR IS_DIRECTORY ${file})
    fault("${file} is not a regular file")
  endif()
endforeach()
execute_process(COMMAND test -x ${program}/brisquel RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fault("${program}/brisquel is not executable")
endif()
# The command line's launcher reaches the program beside the window's, and it answers.
execute_process(COMMAND ${prefix}/bin/brisquel-cli --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^brisquel-cli ")
  fault("${prefix}/bin/brisquel-cli --version failed (${rc}): ${out}")
endif()
file(SHA256 ${SOURCE_DIR}/resources/sound.wav expected_sound)
file(SHA256 ${program}/sound.wav installed_sound)
if(NOT installed_sound STREQUAL expected_sound)
  fault("${program}/sound.wav differs from resources/sound.wav")
endif()
foreach(page ${installed_pages})
  if(EXISTS ${page})
    get_filename_component(name ${page} NAME)
    file(SHA256 ${SOURCE_DIR}/resources/${name} expected_page)
    file(SHA256 ${page} installed_page)
    if(NOT installed_page STREQUAL expected_page)
      fault("${page} differs from resources/${name}")
    endif()
  endif()
endforeach()

# link, the target it must hold, the file it must lead to
set(links
  "${program}/data/conv.exe|${FFMPEG}|${FFMPEG}"
  "${prefix}/bin/brisquel|../lib/brisquel/brisquel|${program}/brisquel"
  "${prefix}/bin/brisquel-cli|../lib/brisquel/brisquel-cli|${program}/brisquel-cli")
foreach(row ${links})
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 link)
  list(GET row 1 expected_target)
  list(GET row 2 expected_file)
  if(NOT IS_SYMLINK ${link})
    fault("${link} is not a symbolic link")
    continue()
  endif()
  file(READ_SYMLINK ${link} target)
  file(REAL_PATH ${link} resolved)
  file(REAL_PATH ${expected_file} expected_resolved)
  if(NOT target STREQUAL expected_target)
    fault("${link} points at ${target}, not at ${expected_target}")
  elseif(NOT resolved STREQUAL expected_resolved)
    fault("${link} leads to ${resolved}, not to ${expected_resolved}")
  endif()
endforeach()

set(icons ${prefix}/share/icons/hicolor)
foreach(size 48 128 256)
  set(png ${icons}/${size}x${size}/apps/${id}.png)
  if(NOT EXISTS ${png})
    fault("no ${size} pixel icon at ${png}")
    continue()
  endif()
  png_size(${png} width height)
  if(NOT "${width}x${height}" STREQUAL "${size}x${size}")
    fault("${png} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()
set(svg ${icons}/scalable/apps/${id}.svg)
if(EXISTS ${svg})
  file(READ ${svg} svg_text)
  if(NOT svg_text MATCHES "<svg[^>]*viewBox=\"0 0 256 256\"" OR NOT svg_text MATCHES "<path")
    fault("${svg} is not the drawn SVG mark")
  endif()
else()
  fault("no scalable icon at ${svg}")
endif()

# The entry must start the installed launcher and name the installed icon.
set(entry ${prefix}/share/applications/${id}.desktop)
if(EXISTS ${entry})
  file(STRINGS ${entry} exec REGEX "^Exec=")
  file(STRINGS ${entry} icon REGEX "^Icon=")
  # %F: a file manager's "Open With" hands over the chosen files as local paths.
  if(NOT exec STREQUAL "Exec=brisquel %F")
    fault("${entry}: '${exec}' does not start the launcher with the files opened")
  endif()
  if(NOT icon STREQUAL "Icon=${id}")
    fault("${entry}: '${icon}' does not name the installed icon ${id}")
  endif()
endif()

# Debian's manual page and changelog are compressed without a time stamp; the copyright file
# names the license.
foreach(gz share/man/man1/brisquel.1.gz share/man/man1/brisquel-cli.1.gz share/doc/brisquel/changelog.gz)
  set(file ${prefix}/${gz})
  if(NOT EXISTS ${file})
    fault("no ${file}")
    continue()
  endif()
  # gzip header: magic, method, flags, then the four bytes of the modification time.
  file(READ ${file} header LIMIT 8 HEX)
  if(NOT header MATCHES "^1f8b08..00000000$")
    fault("${file} is not gzip data without a time stamp (header ${header})")
  endif()
endforeach()
set(copyright ${prefix}/share/doc/brisquel/copyright)
if(EXISTS ${copyright})
  file(STRINGS ${copyright} license REGEX "^License: GPL-3.0\\+$")
  if(NOT license)
    fault("${copyright} does not give the license GPL-3.0+")
  endif()
else()
  fault("no ${copyright}")
endif()

foreach(check
    "${DESKTOP_FILE_VALIDATE};${entry}"
    "${APPSTREAMCLI};validate;--no-net;${prefix}/share/metainfo/${id}.metainfo.xml")
  execute_process(COMMAND ${check} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    list(JOIN check " " shown)
    fault("${shown} failed:\n${out}")
  endif()
endforeach()

# Software centres find a command through the metainfo's provides: every installed command
# is named there.
file(READ ${prefix}/share/metainfo/${id}.metainfo.xml metainfo)
file(GLOB commands RELATIVE ${prefix}/bin ${prefix}/bin/*)
foreach(command ${commands})
  if(NOT metainfo MATCHES "<binary>${command}</binary>")
    fault("the metainfo does not provide the binary ${command}")
  endif()
endforeach()

# A staged install (as CPack makes one) puts everything under DESTDIR, the links included,
# and nothing at the prefix itself.
set(stage ${SCRATCH}/stage)
set(staged_prefix ${SCRATCH}/usr)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${staged_prefix}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fault("staged install failed:\n${out}")
else()
  foreach(link lib/brisquel/data/conv.exe bin/brisquel bin/brisquel-cli)
    if(NOT IS_SYMLINK ${stage}${staged_prefix}/${link})
      fault("staged install made no ${link} under DESTDIR")
    endif()
  endforeach()
  if(EXISTS ${staged_prefix})
    fault("staged install wrote outside DESTDIR, into ${staged_prefix}")
  endif()
endif()

# Staged for /usr, as the package is: the converter's link stays inside /usr, so it is
# relative (Debian wants that within one top-level folder), and it leads to the converter
# once the tree stands at /usr.
if(FFMPEG MATCHES "^/usr/")
  set(stage ${SCRATCH}/usr_stage)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(link ${stage}/usr/lib/brisquel/data/conv.exe)
  file(RELATIVE_PATH expected_target /usr/lib/brisquel/data ${FFMPEG})
  if(NOT rc EQUAL 0)
    fault("install staged for /usr failed:\n${out}")
  elseif(NOT IS_SYMLINK ${link})
    fault("install staged for /usr made no converter link")
  else()
    file(READ_SYMLINK ${link} target)
    if(NOT target STREQUAL expected_target)
      fault("${link} points at ${target}, not at ${expected_target}")
    endif()
  endif()
endif()

finish_checks("Install layout faults" ${SCRATCH})
