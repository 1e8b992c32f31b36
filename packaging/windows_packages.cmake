# The Windows packages, made from one staged folder (the stripped program and the user guide with
# its pictures) by `cmake --build <build> --target tarnivel_packages`:
#   Tarnivel-<version>-win64.msi  a per-user Windows Installer package, made by wixl (msitools),
#                                 which runs on the build machine, from tarnivel.wxs.in;
#   Tarnivel-<version>-win64.zip  the same folder, to run from anywhere.
find_program(TARNIVEL_WIXL wixl)
if(NOT TARNIVEL_WIXL OR NOT TARNIVEL_CMARK)
    message(STATUS "No Windows packages: they need wixl and cmark")
    return()
endif()

set(TARNIVEL_WXS_PICTURES "")
foreach(picture IN LISTS pictures)
    get_filename_component(file "${picture}" NAME)
    string(MAKE_C_IDENTIFIER "picture_${file}" id)
    string(APPEND TARNIVEL_WXS_PICTURES "                  <File Id=\"${id}\" Name=\"${file}\" "
        "Source=\"Tarnivel/docs/screenshots/${file}\"/>\n")
endforeach()
math(EXPR patch_above "${PROJECT_VERSION_PATCH} + 1")
set(TARNIVEL_VERSION_ABOVE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${patch_above}")
configure_file(tarnivel.wxs.in tarnivel.wxs @ONLY)

set(stage "${CMAKE_CURRENT_BINARY_DIR}/stage")
set(package "${PROJECT_BINARY_DIR}/Tarnivel-${PROJECT_VERSION}-win64")
add_custom_command(OUTPUT "${package}.msi" "${package}.zip"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${stage}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${stage}/Tarnivel"
    COMMAND ${CMAKE_STRIP} -o "${stage}/Tarnivel/Tarnivel.exe" "$<TARGET_FILE:tarnivel>"
    COMMAND ${CMAKE_COMMAND} -E copy "${TARNIVEL_GUIDE_DIR}/README.html" "${stage}/Tarnivel"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${TARNIVEL_GUIDE_DIR}/docs" "${stage}/Tarnivel/docs"
    COMMAND ${CMAKE_COMMAND} -E copy "${TARNIVEL_APP_ICON}" "${stage}"
    # wixl takes the files' sources relative to the folder it runs in.
    COMMAND ${CMAKE_COMMAND} -E chdir "${stage}" ${TARNIVEL_WIXL} --arch x64
            --output "${package}.msi" "${CMAKE_CURRENT_BINARY_DIR}/tarnivel.wxs"
    COMMAND ${CMAKE_COMMAND} -E chdir "${stage}"
            ${CMAKE_COMMAND} -E tar cf "${package}.zip" --format=zip Tarnivel
    DEPENDS tarnivel tarnivel_guide tarnivel_app_icon "${CMAKE_CURRENT_BINARY_DIR}/tarnivel.wxs"
    COMMENT "Packing Tarnivel-${PROJECT_VERSION}-win64.msi and .zip")
add_custom_target(tarnivel_packages DEPENDS "${package}.msi" "${package}.zip")
