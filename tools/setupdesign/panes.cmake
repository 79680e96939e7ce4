# The designer's panes: the property panel, the [main] panel, the languages
# table and the checker's findings. What they compute without the platform is
# core (built natively too); the checks are setupcheck's own.
add_library(setupdesign_panes_core STATIC button_words.cpp finding_place.cpp
                                          language_sections.cpp)
target_include_directories(setupdesign_panes_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(setupdesign_panes_core PUBLIC setupdesign_core setupcheck_core)

if(WIN32)
  add_library(setupdesign_panes STATIC findings_pane.cpp key_edit.cpp language_text_rows.cpp
                                       languages_panel.cpp main_settings_panel.cpp
                                       pane_window.cpp property_panel.cpp text_codec.cpp)
  target_link_libraries(setupdesign_panes PUBLIC setupdesign_panes_core setupcheck_win
                                                 launcher_win comctl32)
endif()
