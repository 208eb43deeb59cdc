# The map view: the web engine for tavrel_gui (whose glob already takes
# src/map and tests/map), the two map pages with Leaflet compiled into the
# resources so they work without a network (only tiles need one), and the
# map benchmark.

find_package(Qt6 6.4 REQUIRED COMPONENTS WebEngineWidgets)
target_link_libraries(tavrel_gui PUBLIC Qt6::WebEngineWidgets)

set(TAVREL_LEAFLET_DIR /usr/share/javascript/leaflet CACHE PATH "Leaflet as installed by the libjs-leaflet package")
set(_map_leaflet_files leaflet.js leaflet.css
  images/layers.png images/layers-2x.png
  images/marker-icon.png images/marker-icon-2x.png images/marker-shadow.png)
set(_map_leaflet_paths)
foreach(_map_file IN LISTS _map_leaflet_files)
  set(_map_path ${TAVREL_LEAFLET_DIR}/${_map_file})
  if(NOT EXISTS ${_map_path})
    message(FATAL_ERROR "Leaflet file ${_map_path} is missing; install libjs-leaflet")
  endif()
  set_source_files_properties(${_map_path} PROPERTIES QT_RESOURCE_ALIAS leaflet/${_map_file})
  list(APPEND _map_leaflet_paths ${_map_path})
endforeach()

# Pages are addressed as qrc:///map/<resource ID>.html.
qt_add_resources(tavrel_gui tavrel_map_pages
  PREFIX /map
  BASE ${PROJECT_SOURCE_DIR}/res/map
  FILES
    ${PROJECT_SOURCE_DIR}/res/map/143.html
    ${PROJECT_SOURCE_DIR}/res/map/145.html
    ${PROJECT_SOURCE_DIR}/res/map/map.css
    ${PROJECT_SOURCE_DIR}/res/map/map-page.js
    ${PROJECT_SOURCE_DIR}/res/map/gcj02.js
    ${_map_leaflet_paths})

# Run by hand under Xvfb, like the display tests:
#   QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
#   xvfb-run -a -s "-screen 0 1280x800x24" build/map_bench
add_executable(map_bench ${PROJECT_SOURCE_DIR}/tests/map/MapBench.cpp)
target_link_libraries(map_bench PRIVATE tavrel_gui Qt6::Test tavrel_warnings)
