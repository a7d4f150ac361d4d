# cmake -D BUILD_DIR=... -D SCRATCH=... -D CPACK=... -D DPKG_DEB=... -D READELF=... -D FFMPEG=...
#       -D HELP_PAGES=a.html,b.html -P check_package.cmake
#
# Makes the Debian package from the built tree, as the README's package step does, and checks
# what apt and Debian's checks rely on. Every fault is listed before the test fails.
include(${CMAKE_CURRENT_LIST_DIR}/faults.cmake)

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${SCRATCH}/brisquel_*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB made no package (${rc}):\n${out}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${debs} Depends OUTPUT_VARIABLE depends RESULT_VARIABLE rc)
# Started, not linked (so shlibdeps cannot find them), and the libraries it finds.
foreach(package ffmpeg libavcodec-extra qt6-qpa-plugins libqt6widgets6 libqt6multimedia6 libc6)
  if(NOT depends MATCHES "(^|, )${package}( |,|$)")
    fault("Depends does not name ${package}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
file(RELATIVE_PATH converter /usr/lib/brisquel/data ${FFMPEG})
set(entries
    "./usr/lib/brisquel/brisquel"
    "./usr/lib/brisquel/sound.wav"
    "./usr/lib/brisquel/translations/brisquel_de.qm"
    "./usr/lib/brisquel/data/conv.exe -> ${converter}"
    "./usr/bin/brisquel -> ../lib/brisquel/brisquel"
    "./usr/lib/brisquel/brisquel-cli"
    "./usr/bin/brisquel-cli -> ../lib/brisquel/brisquel-cli"
    "./usr/share/man/man1/brisquel-cli.1.gz"
    "./usr/share/doc/brisquel/copyright"
    "./usr/share/doc/brisquel/changelog.gz"
    "./usr/share/man/man1/brisquel.1.gz"
    "./usr/share/applications/example.brisquel.Brisquel.desktop"
    "./usr/share/metainfo/example.brisquel.Brisquel.metainfo.xml")
string(REPLACE "," ";" help_pages "${HELP_PAGES}")
foreach(page ${help_pages})
  list(APPEND entries "./usr/lib/brisquel/${page}" "./usr/share/doc/brisquel/${page}")
endforeach()
foreach(entry ${entries})
  string(REGEX REPLACE "([][+.*()^$])" "\\\\\\1" pattern "${entry}")
  if(NOT contents MATCHES " ${pattern}\n")
    fault("the package holds no ${entry}")
  endif()
endforeach()
if(contents MATCHES "drwxrwx")
  fault("the package holds folders that its group may write:\n${contents}")
endif()

# Debian's hardening: relocations bound at start and fortified libc calls. A sanitizer
# build leaves the hardening flags out, so there is nothing to check.
if(HARDENED)
  execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${SCRATCH}/tree RESULT_VARIABLE rc)
  foreach(name brisquel brisquel-cli)
    set(program ${SCRATCH}/tree/usr/lib/brisquel/${name})
    execute_process(COMMAND ${READELF} --dynamic ${program} OUTPUT_VARIABLE dynamic)
    execute_process(COMMAND ${READELF} --dyn-syms --wide ${program} OUTPUT_VARIABLE symbols)
    if(NOT dynamic MATCHES "BIND_NOW")
      fault("${program} is not linked with -z now")
    endif()
    if(NOT symbols MATCHES "__[a-z_]+_chk")
      fault("${program} calls no fortified function")
    endif()
    # The command line runs where no display is: it must not bring Qt along.
    if(name STREQUAL "brisquel-cli" AND dynamic MATCHES "libQt6")
      fault("${program} links Qt")
    endif()
  endforeach()
endif()

finish_checks("Package faults" ${SCRATCH})
