# The workspace's map window repaint: a 1000 x 1000 time map with wells and
# DXF culture, and one wheel zoom step; autopick by gridding inside a polygon
# against the batch grid command.
if(TARGET quarrix_platform_ui)
  add_executable(map_window_bench map_window_bench.cpp)
  target_link_libraries(map_window_bench PRIVATE quarrix_workspace quarrix_loader quarrix_platform_ui)
endif()
