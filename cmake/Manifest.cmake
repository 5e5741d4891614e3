# Each program's manifest, embedded as resource 1 of type 24 by its .rc, which finds it on its
# include path as "<program>.manifest".
#
# DPI awareness: a program that measures other programs' windows must see them in real pixels,
# so Banderix and Bandpost are aware per monitor; Bandsmith only draws its own windows and is
# aware of the system's setting, which keeps its toolbar and views at one scale.
# No trustInfo block: without a requested execution level a 32-bit program keeps the file
# virtualization that lets the settings file live in the Windows directory.
# The XML is written without indentation: Bandpost travels by mail and every byte counts.
set(BNDX_MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifests)

# bndx_program_manifest(PROGRAM [COMMON_CONTROLS] [PER_MONITOR])
function(bndx_program_manifest program)
    cmake_parse_arguments(ARG "COMMON_CONTROLS;PER_MONITOR" "" "" ${ARGN})
    set(xml "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">")
    if(ARG_COMMON_CONTROLS)
        list(APPEND xml
            "<dependency><dependentAssembly>"
            "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
            " processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
            "</dependentAssembly></dependency>")
    endif()
    if(ARG_PER_MONITOR)
        set(aware "true/pm")
        set(awareness "PerMonitorV2,PerMonitor")
    else()
        set(aware "true")
        set(awareness "system")
    endif()
    list(APPEND xml
        "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\"><windowsSettings>"
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">${aware}</dpiAware>"
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">${awareness}</dpiAwareness>"
        "</windowsSettings></application></assembly>\n")
    string(JOIN "" content ${xml})
    file(CONFIGURE OUTPUT ${BNDX_MANIFEST_DIR}/${program}.manifest CONTENT "${content}")
endfunction()
