# Builds the Debian package into a scratch folder and checks it as a parent's machine would get
# it: the files at their paths, the dependencies, a valid desktop entry and AppStream metadata,
# and the unpacked program answering --version.
set(scratch "${BUILD_DIR}/package-check")
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${scratch}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

run(dpkg --print-architecture)
string(STRIP "${out}" arch)
run(cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${scratch}")
set(deb "${scratch}/kazemaru_${VERSION}-1_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${scratch}/*.deb")
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

run(dpkg-deb -c "${deb}")
set(listing "${out}")
foreach(path usr/lib/kazemaru/kazemaru usr/lib/kazemaru/libkazemaru-records.so usr/lib/kazemaru/libkazemaru-sound.so usr/lib/kazemaru/Kazemaru.hlp usr/lib/kazemaru/oto/pinpon.wav
             "usr/bin/kazemaru -> ../lib/kazemaru/kazemaru" usr/share/applications/kazemaru.desktop
             usr/share/icons/hicolor/scalable/apps/kazemaru.svg usr/share/icons/hicolor/48x48/apps/kazemaru.png
             usr/share/icons/hicolor/64x64/apps/kazemaru.png usr/share/icons/hicolor/128x128/apps/kazemaru.png
             usr/share/icons/hicolor/256x256/apps/kazemaru.png usr/share/metainfo/org.kazemaru.Kazemaru.metainfo.xml
             usr/share/doc/kazemaru/copyright usr/share/doc/kazemaru/changelog.Debian.gz
             usr/share/man/man1/kazemaru.1.gz usr/share/kazemaru/server/01-roles.sql
             usr/share/kazemaru/server/02-tables.sql usr/share/kazemaru/server/03-security.sql)
    string(FIND "${listing}" " ./${path}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${listing}")
    endif()
endforeach()
string(REGEX MATCHALL "/oto/[^ \n]+\\.wav" cues "${listing}")
list(LENGTH cues count)
if(NOT count EQUAL 20)
    message(FATAL_ERROR "expected 20 cues in the package, found ${count}")
endif()

run(dpkg-deb -f "${deb}" Depends)
foreach(dependency libqt6widgets6 libqt6charts6 libqt6multimedia6 libqt6sql6 libqt6svg6 fonts-motoya-l-maruberi fonts-comfortaa
                   qt6-translations-l10n libqt6sql6-sqlite)
    string(FIND "${out}" "${dependency}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package does not depend on ${dependency}: ${out}")
    endif()
endforeach()

run(dpkg-deb -f "${deb}" Recommends)
if(NOT out MATCHES "libqt6sql6-psql")
    message(FATAL_ERROR "the package does not recommend libqt6sql6-psql: ${out}")
endif()

set(root "${scratch}/root")
run(dpkg-deb -x "${deb}" "${root}")
run(desktop-file-validate "${root}/usr/share/applications/kazemaru.desktop")
if(NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
run(appstreamcli validate --no-net "${root}/usr/share/metainfo/org.kazemaru.Kazemaru.metainfo.xml")
run("${root}/usr/lib/kazemaru/kazemaru" --version)
if(NOT out MATCHES "^Kazemaru ${VERSION}\n$")
    message(FATAL_ERROR "--version printed: ${out}")
endif()
run("${root}/usr/lib/kazemaru/kazemaru" --help)
if(NOT out MATCHES "--version")
    message(FATAL_ERROR "--help printed: ${out}")
endif()
file(REMOVE_RECURSE "${scratch}")
message(STATUS "debian package: 1 passed, 0 failed")
