# Installs the built program into a scratch prefix and checks what lands where: the program with
# its libraries, cues and help file under lib/kazemaru, a link in bin that leads to it, the desktop entry and icon.
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(path lib/kazemaru/kazemaru lib/kazemaru/libkazemaru-records.so lib/kazemaru/libkazemaru-sound.so lib/kazemaru/Kazemaru.hlp lib/kazemaru/oto/pinpon.wav
             lib/kazemaru/oto/charararan.wav share/applications/kazemaru.desktop
             share/icons/hicolor/scalable/apps/kazemaru.svg share/icons/hicolor/48x48/apps/kazemaru.png
             share/icons/hicolor/256x256/apps/kazemaru.png share/metainfo/org.kazemaru.Kazemaru.metainfo.xml
             share/kazemaru/server/01-roles.sql share/kazemaru/server/02-tables.sql share/kazemaru/server/03-security.sql)
    if(NOT EXISTS "${prefix}/${path}")
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
file(GLOB cues "${prefix}/lib/kazemaru/oto/*.wav")
list(LENGTH cues count)
if(NOT count EQUAL 20)
    message(FATAL_ERROR "expected 20 cues, found ${count}")
endif()
if(NOT IS_SYMLINK "${prefix}/bin/kazemaru")
    message(FATAL_ERROR "bin/kazemaru is not a link")
endif()
file(REAL_PATH "${prefix}/bin/kazemaru" target)
file(REAL_PATH "${prefix}/lib/kazemaru/kazemaru" program)
if(NOT target STREQUAL program)
    message(FATAL_ERROR "bin/kazemaru leads to ${target}, not ${program}")
endif()
file(REMOVE_RECURSE "${prefix}")
message(STATUS "install layout: 1 passed, 0 failed")
