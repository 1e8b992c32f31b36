# Windows-only pieces, included by the top-level list after the program's target (if any).

# The resource script: the application icon, drawn by our own code and written as an .ico at
# build time, and the version resource. TARNIVEL_WINDOWS_RC is added to the program's sources
# (and to a test that reads the resources back).
enable_language(RC)
add_executable(tarnivel_make_app_icon resources/make_app_icon.cpp)
target_link_libraries(tarnivel_make_app_icon PRIVATE tarnivel_resources_core)
tarnivel_warnings(tarnivel_make_app_icon)

set(TARNIVEL_APP_ICON "${PROJECT_BINARY_DIR}/Tarnivel.ico")
add_custom_command(OUTPUT "${TARNIVEL_APP_ICON}"
    COMMAND tarnivel_make_app_icon "${TARNIVEL_APP_ICON}"
    DEPENDS tarnivel_make_app_icon
    COMMENT "Drawing the application icon")
add_custom_target(tarnivel_app_icon DEPENDS "${TARNIVEL_APP_ICON}")

set(TARNIVEL_WINDOWS_RC "${PROJECT_BINARY_DIR}/tarnivel.rc")
configure_file("${PROJECT_SOURCE_DIR}/app/tarnivel.rc.in" "${TARNIVEL_WINDOWS_RC}" @ONLY)
set_source_files_properties("${TARNIVEL_WINDOWS_RC}" PROPERTIES OBJECT_DEPENDS "${TARNIVEL_APP_ICON}")

if(TARNIVEL_GUI)
    # A GUI program (no console window) named as users and the Run key know it.
    target_sources(tarnivel PRIVATE "${TARNIVEL_WINDOWS_RC}")
    add_dependencies(tarnivel tarnivel_app_icon)
    set_target_properties(tarnivel PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Tarnivel)
endif()
