# The pick window: opening it on a section, and a pick drag with its repaint,
# against reading the section's traces alone.
if(TARGET quarrix_platform_ui)
  add_executable(pick_window_bench pick_window_bench.cpp)
  target_link_libraries(pick_window_bench PRIVATE quarrix_workspace quarrix_platform_ui)
endif()
