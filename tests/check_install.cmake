# Installs into a scratch prefix and checks that the desktop finds everything.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
        bin/rerevid
        share/applications/rerevid.desktop
        share/icons/hicolor/scalable/apps/rerevid.svg
        "share/doc/Rerevid/License Agreement.html"
        share/doc/Rerevid/help/500.html)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/rerevid.desktop" entry)
foreach(line "Name=Rerevid" "Categories=Office;Calendar;" "Exec=rerevid" "Icon=rerevid")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
message(STATUS "install check passed")
