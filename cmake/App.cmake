# The player program, its installation and its desktop entry.

# main() stays out of tavrel_gui (which takes src/app/*.cpp) in its own folder.
add_executable(tavrel src/app/main/main.cpp)
target_link_libraries(tavrel PRIVATE tavrel_gui tavrel_warnings)
target_compile_definitions(tavrel PRIVATE TAVREL_VERSION="${PROJECT_VERSION}")

include(GNUInstallDirs)
install(TARGETS tavrel tavrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/desktop/tavrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon at every size the artwork renders; the full picture is the 256 one.
foreach(_app_icon IN LISTS TAVREL_ART_ICONS)
  string(REGEX MATCH "^([0-9]+)=(.*)$" _app_match "${_app_icon}")
  install(FILES ${CMAKE_MATCH_2}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps
    RENAME tavrel.png)
endforeach()
install(FILES ${TAVREL_ART_DIR}/128.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
  RENAME tavrel.png)

# Cold start timing, run by hand (see the file's head); not a test.
if(TAVREL_BENCH AND NOT TAVREL_SANITIZE)
  add_executable(tavrel_start_bench tests/app/StartTimeBench.cpp)
  target_link_libraries(tavrel_start_bench PRIVATE tavrel_gui tavrel_warnings)
endif()
