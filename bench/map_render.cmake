# Map rendering into an image through the Qt canvas: the horizon map of a
# 1000 x 1000 grid, its filled contour plot and the 3-D surface view.
if(TARGET quarrix_platform_ui)
  add_executable(map_render_bench map_render_bench.cpp)
  target_link_libraries(map_render_bench PRIVATE quarrix_map quarrix_platform_ui)
endif()
