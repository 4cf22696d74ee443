# Builds the Debian package, unpacks it into a scratch root as dpkg would install it, and lets the
# unpacked back office render every dialog on a demo data root from there.
# Arguments: CPACK, BUILD_DIR, WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

set(RUN_DIR "${WORK_DIR}")
include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

run("${CPACK}" -G DEB -B "${WORK_DIR}/package" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB packages "${WORK_DIR}/package/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${WORK_DIR}/package, found: ${packages}")
endif()

run(dpkg-deb --field "${packages}" Depends)
foreach(dependency libqt6widgets6 libqt6sql6-odbc libsqliteodbc libsodium)
    if(NOT output MATCHES "${dependency}")
        message(FATAL_ERROR "the package does not depend on ${dependency}: ${output}")
    endif()
endforeach()

set(root "${WORK_DIR}/root")
run(dpkg-deb -x "${packages}" "${root}")
foreach(file usr/bin/lumoffice usr/bin/lumcardd usr/bin/lumdata usr/bin/lumlogd
        usr/share/lumdialogs/help/lumdialogs.html usr/share/applications/lumoffice.desktop
        usr/share/icons/hicolor/scalable/apps/lumoffice.svg usr/lib/systemd/system/lumcardd.service
        usr/share/lumdialogs/db/sqlite/cashgroupjournals.sql
        usr/lib/cmake/lumdialogs/lumdialogsConfig.cmake)
    if(NOT EXISTS "${root}/${file}")
        message(FATAL_ERROR "the package lacks ${file}")
    endif()
endforeach()
# The unit is shipped, never switched on by the package itself.
run(dpkg-deb --control "${packages}" "${WORK_DIR}/control")
file(GLOB scripts "${WORK_DIR}/control/*inst" "${WORK_DIR}/control/*rm")
foreach(script IN LISTS scripts)
    file(READ "${script}" text)
    if(text MATCHES "systemctl|deb-systemd")
        message(FATAL_ERROR "${script} switches the service on or off:\n${text}")
    endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
run("${root}/usr/bin/lumoffice" --demo --data "${WORK_DIR}/data" --screenshots "${WORK_DIR}/shots")
file(GLOB shots "${WORK_DIR}/shots/*.png")
list(LENGTH shots count)
if(count LESS 30)
    message(FATAL_ERROR "the installed lumoffice rendered ${count} pictures:\n${output}")
endif()
message(STATUS "installed lumoffice rendered ${count} pictures")
