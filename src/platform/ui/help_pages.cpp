#include "platform/ui/help_pages.h"

namespace quarrix {

// One line per window or dialog. A window added to either program gets its
// page in the help folder and its line here (or names its page itself in the
// "help_page" property when the page follows what it shows); windows without
// a page show the page of the window that owns them.
const std::vector<HelpPage>& HelpPages() {
  static const std::vector<HelpPage> pages = {
      // quarrix
      {"quarrix::MainFrame", "main_window.html"},
      {"quarrix::HeaderDialog", "header_information.html"},
      {"quarrix::MonitorDialog", "set_monitor_size.html"},
      {"quarrix::XyDialog", "generate_xy_file.html"},
      {"quarrix::WellDialog", "well_parameters.html"},
      {"quarrix::ColourSetDialog", "select_colors.html"},
      {"quarrix::PickEditFrame", "pick_edit.html"},
      // ingestor
      {"quarrix::LoaderWindow", "ingestor.html"},
      {"quarrix::SourceDialog", "select_data_source.html"},
      {"quarrix::ConversionTypeDialog", "conversion_type.html"},
      {"quarrix::TapeUnitDialog", "select_tape_unit.html"},
      {"quarrix::HeaderScanDialog", "header_scan.html"},
      {"quarrix::DirectionDialog", "determine_direction.html"},
      {"quarrix::ScaleParametersDialog", "scale_parameters.html"},
      {"quarrix::ScaleValueDialog", "set_scale_value.html"},
      {"quarrix::HeaderValuesDialog", "header_values.html"},
      {"quarrix::ProjectNameDialog", "assign_project_name.html"},
      {"quarrix::MessagesWindow", "messages.html"},
      {"quarrix::ProgressWindow", "loading_progress.html"},
      {"quarrix::PleaseWaitWindow", "loading_progress.html"},
  };
  return pages;
}

}  // namespace quarrix
