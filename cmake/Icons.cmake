# The application icon at the usual hicolor sizes, painted by tools/pictures at build time into
# <build>/src/app/icons/hicolor/NxN/apps/; the window takes it from the embedded ":/icons/" copy.
# Included from src/app/CMakeLists.txt.
set(BANZURI_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(BANZURI_ICON_SIZES ${BANZURI_ICON_SIZES} PARENT_SCOPE)
set(BANZURI_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(BANZURI_ICON_DIR ${BANZURI_ICON_DIR} PARENT_SCOPE)
set(icon_files)
foreach(size ${BANZURI_ICON_SIZES})
  list(APPEND icon_files ${BANZURI_ICON_DIR}/hicolor/${size}x${size}/apps/banzuri.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:banzuri-make-icons> ${BANZURI_ICON_DIR}/hicolor banzuri.png
          ${BANZURI_ICON_SIZES}
  DEPENDS banzuri-make-icons
  COMMENT "Painting the application icon"
  VERBATIM)
qt_add_resources(banzuri_app_lib banzuri_icons PREFIX /icons BASE ${BANZURI_ICON_DIR}/hicolor
                 FILES ${icon_files})
