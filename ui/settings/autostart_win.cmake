# The Windows side of starting with the session (the Run key), with no Qt. Included by the
# top-level list on Windows; the settings dialog links tarnivel_autostart_win there.
add_library(tarnivel_autostart_win STATIC
    "${CMAKE_CURRENT_LIST_DIR}/autostart.h"
    "${CMAKE_CURRENT_LIST_DIR}/autostart_win.cpp")
target_include_directories(tarnivel_autostart_win PUBLIC "${PROJECT_SOURCE_DIR}")
target_link_libraries(tarnivel_autostart_win PRIVATE advapi32)
tarnivel_warnings(tarnivel_autostart_win)
