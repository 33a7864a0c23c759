# Section rendering into an image through the Qt canvas: a colour-density
# section and a wiggle/variable-area section read from a trace file.
if(TARGET quarrix_platform_ui)
  add_executable(section_render_bench section_render_bench.cpp)
  target_link_libraries(section_render_bench PRIVATE quarrix_section quarrix_platform_ui)
endif()
