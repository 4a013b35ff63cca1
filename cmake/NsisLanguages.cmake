# The Windows setup in the user's language. CPack's NSIS script names every
# language of NSIS's Modern UI, which shows its pages in the system's
# language where NSIS has it; two messages of CPack's own are English there
# (a version already installed, and an uninstall that failed). A copy of the
# script with the two as language strings (packaging/windows/Languages.nsh)
# takes its place; a CMake whose script reads differently keeps its own.
set(template "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in")
file(READ "${template}" nsis)
set(patched "${nsis}")
foreach(pair
        [=["@CPACK_NSIS_PACKAGE_NAME@ is already installed. $\n$\nDo you want to uninstall the old version before installing the new one?"|"$(StarkindleAlreadyInstalled)"]=]
        [=["Uninstall failed."|"$(StarkindleUninstallFailed)"]=]
        [=[!insertmacro MUI_LANGUAGE "Welsh"|!insertmacro MUI_LANGUAGE "Welsh"
  !include "@STARKINDLE_NSIS_LANGUAGES@"]=])
    string(FIND "${pair}" "|" bar)
    string(SUBSTRING "${pair}" 0 ${bar} from)
    math(EXPR bar "${bar} + 1")
    string(SUBSTRING "${pair}" ${bar} -1 to)
    string(FIND "${patched}" "${from}" at)
    if(at EQUAL -1)
        message(STATUS "CPack's NSIS script reads differently here: its own messages stay English")
        return()
    endif()
    string(REPLACE "${from}" "${to}" patched "${patched}")
endforeach()
set(STARKINDLE_NSIS_LANGUAGES "${PROJECT_SOURCE_DIR}/packaging/windows/Languages.nsh")
string(REPLACE "@STARKINDLE_NSIS_LANGUAGES@" "${STARKINDLE_NSIS_LANGUAGES}" patched "${patched}")
file(WRITE "${PROJECT_BINARY_DIR}/cpack-nsis/NSIS.template.in" "${patched}")
# CPack looks for its templates on the module path first.
list(PREPEND CMAKE_MODULE_PATH "${PROJECT_BINARY_DIR}/cpack-nsis")
