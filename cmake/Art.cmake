# Artwork: SVG sources in res/art rendered to PNG resources at build time.
#
# res/art/manifest.txt lists every image by its resource ID with its SVG and
# pixel size. Each image is rendered to ${CMAKE_BINARY_DIR}/art/<ID>.png and
# listed in a generated resource file under /images/<ID>.png. The GUI adds
# ${TAVREL_ART_QRC} to its sources and depends on the tavrel_art target.
#
# Variables set here:
#   TAVREL_ART_QRC    the generated .qrc file
#   TAVREL_ART_DIR    the folder holding the rendered PNGs
#   TAVREL_ART_PNGS   every rendered PNG
#   TAVREL_ART_ICONS  the window icon at its extra sizes, as <size>=<path>,
#                     for installing a desktop entry

find_package(Qt6 6.4 REQUIRED COMPONENTS Gui Svg)

set(_art_tool_dir ${CMAKE_CURRENT_LIST_DIR}/../tools/render-art)
add_executable(tavrel-render-art
  ${_art_tool_dir}/main.cpp
  ${_art_tool_dir}/ArtManifest.cpp
  ${_art_tool_dir}/ArtRenderer.cpp
  ${_art_tool_dir}/ArtCheck.cpp)
target_link_libraries(tavrel-render-art PRIVATE Qt6::Gui Qt6::Svg tavrel_warnings)

get_filename_component(_art_src ${CMAKE_CURRENT_LIST_DIR}/../res/art ABSOLUTE)
set(_art_manifest ${_art_src}/manifest.txt)
set(TAVREL_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(TAVREL_ART_QRC ${TAVREL_ART_DIR}/tavrel_art.qrc)
set(TAVREL_ART_PNGS)
set(TAVREL_ART_ICONS)
set(_art_qrc_entries "")

# The list of images is read at configure time; editing it reconfigures.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_art_manifest})
file(STRINGS ${_art_manifest} _art_lines)
foreach(_art_line IN LISTS _art_lines)
  string(REGEX REPLACE "(^|[ \t])#.*" "" _art_line "${_art_line}")
  string(STRIP "${_art_line}" _art_line)
  if(_art_line STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "[ \t]+" ";" _art_fields "${_art_line}")
  list(GET _art_fields 0 _art_id)
  list(GET _art_fields 1 _art_svg)
  set(_art_outputs ${TAVREL_ART_DIR}/${_art_id}.png)
  string(APPEND _art_qrc_entries "    <file alias=\"${_art_id}.png\">${TAVREL_ART_DIR}/${_art_id}.png</file>\n")
  if(_art_line MATCHES "sizes=([0-9,]+)")
    string(REPLACE "," ";" _art_sizes "${CMAKE_MATCH_1}")
    foreach(_art_size IN LISTS _art_sizes)
      set(_art_png ${TAVREL_ART_DIR}/${_art_id}-${_art_size}.png)
      list(APPEND _art_outputs ${_art_png})
      list(APPEND TAVREL_ART_ICONS "${_art_size}=${_art_png}")
      string(APPEND _art_qrc_entries "    <file alias=\"${_art_id}-${_art_size}.png\">${_art_png}</file>\n")
    endforeach()
  endif()
  add_custom_command(
    OUTPUT ${_art_outputs}
    COMMAND tavrel-render-art render ${_art_manifest} ${_art_id} ${TAVREL_ART_DIR}
    DEPENDS tavrel-render-art ${_art_src}/${_art_svg} ${_art_manifest}
    COMMENT "Rendering image ${_art_id} from ${_art_svg}"
    VERBATIM)
  list(APPEND TAVREL_ART_PNGS ${_art_outputs})
endforeach()

# Written only when its content changes, so the resource compiler does not
# rerun at every configure.
file(CONFIGURE OUTPUT ${TAVREL_ART_QRC} @ONLY CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
  <qresource prefix=\"/images\">
${_art_qrc_entries}  </qresource>
</RCC>
")

add_custom_target(tavrel_art ALL DEPENDS ${TAVREL_ART_PNGS})

add_test(NAME art_rendered COMMAND tavrel-render-art check ${_art_manifest} ${TAVREL_ART_DIR})
set_tests_properties(art_rendered PROPERTIES LABELS art)

# Review sheet of every image with its derived looks on the window's skin
# (needs ImageMagick; not part of the default build).
add_custom_target(tavrel_art_sheet
  COMMAND ${_art_tool_dir}/contact-sheet.sh ${TAVREL_ART_DIR} ${CMAKE_BINARY_DIR}/art-contact-sheet.png
  DEPENDS tavrel_art
  COMMENT "Laying out the artwork for review"
  VERBATIM)
