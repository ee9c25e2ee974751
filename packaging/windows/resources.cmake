# Windows resources for the programs: the icon, the version information
# and (for the window) the manifest, compiled by windres.
#
#   kalvenor_windows_resources(TARGET DESCRIPTION [MANIFEST])
#
# The icon (16, 32 and 48 px) is made at build time from the Linux icon's
# artwork: 32 px is the window's own pixel-drawn icon, 16 and 48 px are
# drawn from the scalable picture.
enable_language(RC)
set(KALVENOR_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(KALVENOR_ICO ${PROJECT_BINARY_DIR}/generated/kalvenor.ico)

find_program(KALVENOR_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(KALVENOR_IM_CONVERT convert REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/packaging/kalvenor.svg)
set(icon_xpm ${PROJECT_SOURCE_DIR}/src/ui/qt/resources/icon.xpm)
set(icon_work ${PROJECT_BINARY_DIR}/generated/icon)
add_custom_command(OUTPUT ${KALVENOR_ICO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_work}
  COMMAND ${KALVENOR_RSVG_CONVERT} -w 16 -h 16 -o ${icon_work}/16.png ${icon_svg}
  COMMAND ${KALVENOR_RSVG_CONVERT} -w 48 -h 48 -o ${icon_work}/48.png ${icon_svg}
  COMMAND ${KALVENOR_IM_CONVERT} ${icon_work}/16.png ${icon_xpm} ${icon_work}/48.png ${KALVENOR_ICO}
  DEPENDS ${icon_svg} ${icon_xpm} VERBATIM)
add_custom_target(kalvenor_windows_icon DEPENDS ${KALVENOR_ICO})

configure_file(${KALVENOR_WINDOWS_DIR}/kalvenor.manifest.in
               ${PROJECT_BINARY_DIR}/generated/kalvenor.manifest @ONLY)

function(kalvenor_windows_resources target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "MANIFEST" "" "")
  set(KALVENOR_RC_NAME ${target})
  set(KALVENOR_RC_DESCRIPTION "${description}")
  set(KALVENOR_RC_ICON ${KALVENOR_ICO})
  set(KALVENOR_RC_MANIFEST "")
  if(arg_MANIFEST)
    # 1 = the process's manifest, 24 = RT_MANIFEST.
    set(KALVENOR_RC_MANIFEST "1 24 \"${PROJECT_BINARY_DIR}/generated/kalvenor.manifest\"")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${KALVENOR_WINDOWS_DIR}/kalvenor.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${KALVENOR_ICO};${PROJECT_BINARY_DIR}/generated/kalvenor.manifest")
  target_sources(${target} PRIVATE ${rc})
  target_link_libraries(${target} PRIVATE kalvenor_version)
  add_dependencies(${target} kalvenor_windows_icon)
endfunction()
