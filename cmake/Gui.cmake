# The Qt side: tavrel_gui, the tavrel player and their tests.

find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets WebEngineWidgets Test)
set(CMAKE_AUTOMOC ON)

# Every GUI folder goes into one library; headers are listed so that moc
# sees each class that declares Q_OBJECT.
file(GLOB TAVREL_GUI_SOURCES CONFIGURE_DEPENDS
  src/playback/*.cpp src/playback/*.h
  src/app/*.cpp src/app/*.h
  src/instruments/*.cpp src/instruments/*.h
  src/controls/*.cpp src/controls/*.h
  src/map/*.cpp src/map/*.h
  src/browser/*.cpp src/browser/*.h
  src/settings/dialog/*.cpp src/settings/dialog/*.h)
add_library(tavrel_gui STATIC ${TAVREL_GUI_SOURCES})
# The artwork rendered by cmake/Art.cmake, as resources :/images/<ID>.png.
qt_add_resources(tavrel_gui tavrel_art_images PREFIX /images BASE ${TAVREL_ART_DIR} FILES ${TAVREL_ART_PNGS})
add_dependencies(tavrel_gui tavrel_art)
target_include_directories(tavrel_gui PUBLIC src)
# The video library is opened at run time (dlopen); only its header is used here.
target_link_libraries(tavrel_gui PUBLIC tavrel_core Qt6::Widgets Qt6::WebEngineWidgets ${CMAKE_DL_LIBS}
  PRIVATE tavrel_warnings)

# Qt tests: each tests/<folder>/*Test.cpp is one Qt Test program. Those named
# *DisplayTest.cpp need a real X display (video output, the web engine) and
# run under Xvfb; the others use the offscreen platform.
set(TAVREL_XVFB_RUN xvfb-run -a -s "-screen 0 1280x800x24")
set(TAVREL_QT_TEST_ENVIRONMENT
  QTWEBENGINE_DISABLE_SANDBOX=1
  QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu)

file(GLOB TAVREL_QT_TESTS CONFIGURE_DEPENDS
  tests/playback/*Test.cpp tests/app/*Test.cpp tests/instruments/*Test.cpp tests/controls/*Test.cpp
  tests/map/*Test.cpp tests/browser/*Test.cpp tests/settings/dialog/*Test.cpp)
foreach(test_source IN LISTS TAVREL_QT_TESTS)
  get_filename_component(test_name "${test_source}" NAME_WE)
  add_executable(${test_name} ${test_source})
  target_link_libraries(${test_name} PRIVATE tavrel_gui tavrel_fixtures Qt6::Test tavrel_warnings)
  if(test_name MATCHES "DisplayTest$")
    add_test(NAME ${test_name} COMMAND ${TAVREL_XVFB_RUN} $<TARGET_FILE:${test_name}>)
    set_tests_properties(${test_name} PROPERTIES
      LABELS "gui;display"
      ENVIRONMENT "${TAVREL_QT_TEST_ENVIRONMENT};QT_QPA_PLATFORM=xcb"
      TIMEOUT 300)
  else()
    add_test(NAME ${test_name} COMMAND $<TARGET_FILE:${test_name}>)
    set_tests_properties(${test_name} PROPERTIES
      LABELS gui
      ENVIRONMENT "${TAVREL_QT_TEST_ENVIRONMENT};QT_QPA_PLATFORM=offscreen"
      TIMEOUT 120)
  endif()
endforeach()

# Playback timings with the real video library and the test stand-ins; run
# by hand, not a test:
#   xvfb-run -a -s "-screen 0 1280x800x24" build/playback_bench
if(TAVREL_BENCH AND NOT TAVREL_SANITIZE)
  add_executable(playback_bench bench/playback/PlaybackBench.cpp)
  target_link_libraries(playback_bench PRIVATE tavrel_gui tavrel_fixtures Qt6::Test tavrel_warnings)
endif()

# The chart's full repaint, offscreen; run by hand: build/instruments_bench
if(TAVREL_BENCH AND NOT TAVREL_SANITIZE)
  find_package(benchmark REQUIRED)
  add_executable(instruments_bench bench/instruments/CurveBench.cpp)
  target_link_libraries(instruments_bench PRIVATE tavrel_gui benchmark::benchmark tavrel_warnings)
endif()
