// Fault-file bytes from outside (".ffl", ".flp", ".fal"): decoding must stay
// inside the buffers whatever the bytes, and the fault operations must cope
// with whatever cells the decoded grids hold.
#include <cstdint>
#include <string>

#include "fault/fault_conversions.h"
#include "fault/fault_file.h"
#include "fault/fault_interpolation.h"
#include "fault/fault_segment.h"
#include "fault/poly_fault_file.h"
#include "fault/tridex_import.h"
#include "project/survey_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quarrix::SurveyHeader header;
  header.trace_bytes = 400;
  header.sample_rate = 4;
  header.first_line = 10, header.last_line = 21;
  header.first_trace = 100, header.last_trace = 108;
  if (size > 1) header.trace_increment = 1 + data[0] % 3, header.line_increment = 1 + data[1] % 2;
  header.ComputeDerived();

  quarrix::FaultGrid grid = quarrix::SurveyFaultGrid(header);
  quarrix::FaultExtent extent;
  quarrix::DecodeFaultFile(bytes, grid, extent);
  quarrix::FaultGrid foreign = quarrix::DecodeTridexFaults(bytes, header);
  (void)quarrix::DecodePolyFaults(bytes);

  quarrix::HorizonGrid horizon = foreign;
  quarrix::BlankHorizonAtFault(horizon, grid);
  quarrix::PickSection section = quarrix::InlineSection(header, extent.first_row);
  quarrix::AddFaultSegment(grid, section, extent.first_column, extent.last_row, extent.last_column,
                           grid.cells.empty() ? 0 : grid.cells[0]);
  quarrix::InterpolateFaultLinear(grid);
  quarrix::UninterpolateFault(foreign);
  return 0;
}
