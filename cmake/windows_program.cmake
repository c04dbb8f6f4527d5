# Tarquen.exe: a standalone 32-bit console program for Windows 2000 and later.
enable_language(RC)

add_executable(Tarquen
    src/report/main.cpp
    src/platform/windows_platform.cpp
    src/report/tarquen.rc
)
target_compile_options(Tarquen PRIVATE -Wall -Wextra)
target_link_libraries(Tarquen PRIVATE tarquen_core advapi32)
target_link_options(Tarquen PRIVATE
    -static -static-libgcc -static-libstdc++ -s
    # Runs on Windows 5.0 (2000) and later.
    -Wl,--major-os-version,5,--minor-os-version,0
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,0
    # Windows limits a program that is not large-address-aware to 2 GiB of
    # address space, and the report's virtual memory figures are that space.
    -Wl,--disable-large-address-aware
)
set_property(SOURCE src/report/tarquen.rc APPEND PROPERTY
    OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/report/tarquen.manifest)

include(tests/wine/wine_tests.cmake)

# The release: Tarquen-<version>-win32.zip with the program and a short
# usage text (Japanese and English, UTF-8 with CR LF so Notepad shows it).
configure_file(packaging/usage.txt ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS Tarquen RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "Tarquen-${PROJECT_VERSION}-win32")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
