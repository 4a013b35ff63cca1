# Windows builds: the runtime DLLs the program needs beside it, the zip, and,
# when cross-building, Wine to run the tests.

# The compiler's own runtime (libstdc++, libgcc, winpthread) is not part of
# Windows; with MinGW it ships beside the program.
set(STARKINDLE_MINGW_RUNTIME_DLLS)
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(path "${path}" ABSOLUTE)
        if(NOT EXISTS "${path}")
            # winpthread lives with the target's libraries, not the compiler's.
            find_file(path_${dll} ${dll} PATHS /usr/${MINGW_TRIPLE}/lib /usr/${MINGW_TRIPLE}/bin NO_DEFAULT_PATH)
            set(path "${path_${dll}}")
        endif()
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
        endif()
        list(APPEND STARKINDLE_MINGW_RUNTIME_DLLS "${path}")
    endforeach()
endif()

get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core_dll)
    get_target_property(qt_core_dll Qt6::Core LOCATION)
endif()
get_filename_component(STARKINDLE_QT_BIN_DIR "${qt_core_dll}" DIRECTORY)
get_filename_component(STARKINDLE_QT_PLUGIN_DIR "${STARKINDLE_QT_BIN_DIR}/../plugins" ABSOLUTE)

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    # Every test program runs under Wine, in a prefix of this build's own.
    set(dirs "${STARKINDLE_QT_BIN_DIR}")
    foreach(dll IN LISTS STARKINDLE_MINGW_RUNTIME_DLLS)
        get_filename_component(dir "${dll}" DIRECTORY)
        list(APPEND dirs "${dir}")
    endforeach()
    list(REMOVE_DUPLICATES dirs)
    string(REPLACE ";" ":" dll_dirs "${dirs}")
    set(STARKINDLE_WINE_DLL_DIRS "${dll_dirs}")
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh ${dll_dirs})
endif()
set(STARKINDLE_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
# A prefix as Wine first makes it, which every other prefix of the tests
# starts as a copy of.
set(STARKINDLE_WINE_TEMPLATE "${PROJECT_BINARY_DIR}/wineprefix-fresh")

# The zip: the program at the top with everything it loads beside it, as
# Qt looks for its plugins in folders next to the program.
install(FILES ${STARKINDLE_MINGW_RUNTIME_DLLS} DESTINATION .)
foreach(module Core Gui Widgets)
    install(FILES "${STARKINDLE_QT_BIN_DIR}/Qt6${module}.dll" DESTINATION .)
endforeach()
install(FILES "${STARKINDLE_QT_PLUGIN_DIR}/platforms/qwindows.dll" DESTINATION platforms)
# What the package is made of and under which licences: the places' credit
# (GeoNames asks for one), and the LGPL that Qt's DLLs come under.
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/NOTICES.txt.in" "${PROJECT_BINARY_DIR}/NOTICES.txt" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/NOTICES.txt" DESTINATION .)
foreach(license LGPL-3 GPL-3)
    if(EXISTS "/usr/share/common-licenses/${license}")
        install(FILES "/usr/share/common-licenses/${license}" DESTINATION licenses)
    else()
        message(WARNING "/usr/share/common-licenses/${license} is missing: the package will not carry it")
    endif()
endforeach()
# CPack strips only the program; the copied DLLs carry their symbols (the
# C++ runtime's make it ten times larger).
if(CMAKE_STRIP)
    install(CODE "
        file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
        endforeach()")
endif()
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME starkindle)
set(CPACK_PACKAGE_VENDOR "Corvane Softwares")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME starkindle-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
# The NSIS text below is full of backslashes and dollars meant for makensis.
set(CPACK_VERBATIM_VARIABLES ON)

# The setup (makensis from Debian's nsis): the same files in
# Program Files\Starkindle, a Start-menu shortcut, and an entry in the
# system's list of installed programs. It is named apart from the zip by
# packaging/windows/CPackOptions.cmake.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/CPackOptions.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Starkindle)
# One key for every version, so a newer setup finds and removes the older one.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Starkindle)
set(CPACK_NSIS_DISPLAY_NAME Starkindle)
set(CPACK_NSIS_PACKAGE_NAME Starkindle)
# The shortcut carries the program's own icon. (CPACK_PACKAGE_EXECUTABLES
# would point it into a bin folder the program is not in.)
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Starkindle.lnk\" \"$INSTDIR\\starkindle.exe\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete \"$SMPROGRAMS\\$MUI_TEMP\\Starkindle.lnk\"")
set(CPACK_NSIS_INSTALLED_ICON_NAME starkindle.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/starkindle.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/windows/starkindle.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# CPack's default is a 32-bit setup into the 32-bit Program Files; the
# program is 64-bit only. A 64-bit setup reads and writes the 64-bit
# registry, where Windows looks for installed programs.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# CPack's uninstaller removes the setup's key under the maker's name but not
# the maker's key it leaves empty.
string(JOIN "\n" CPACK_NSIS_DEFINES
    "Target amd64-unicode"
    "!include FileFunc.nsh"
    "Function un.onUninstSuccess"
    "  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\""
    "FunctionEnd")
# What CPack's own entry lacks: where it went, a silent uninstall, the size,
# and NoModify/NoRepair as the DWORDs Windows reads (CPack writes strings).
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Starkindle")
string(JOIN "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "WriteRegStr SHCTX \"${uninstall_key}\" \"InstallLocation\" \"$INSTDIR\""
    "WriteRegStr SHCTX \"${uninstall_key}\" \"QuietUninstallString\" \"$\\\"$INSTDIR\\Uninstall.exe$\\\" /S\""
    "WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoModify\" 1"
    "WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoRepair\" 1"
    "\${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2"
    "WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" $0")
# The setup's own messages in the user's language too.
include(${PROJECT_SOURCE_DIR}/cmake/NsisLanguages.cmake)
include(CPack)
