# The designer's panes: the property panel, the [main] panel, the languages
# table and the checker's findings. What they compute without the platform is
# core (built natively too); the checks are setupcheck's own.
add_library(setupdesign_panes_core STATIC button_words.cpp finding_place.cpp
                                          language_sections.cpp)
target_include_directories(setupdesign_panes_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(setupdesign_panes_core PUBLIC setupdesign_core setupcheck_core)
