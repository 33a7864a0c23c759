# The trace plot stepping to the next in-line: read, condition and draw into
# the window's image, against reading the same traces alone.
if(TARGET quarrix_platform_ui)
  add_executable(trace_plot_step_bench trace_plot_step_bench.cpp)
  target_link_libraries(trace_plot_step_bench PRIVATE quarrix_section quarrix_platform_ui)
endif()
