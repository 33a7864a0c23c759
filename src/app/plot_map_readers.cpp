#include "app/plot_map_readers.h"

#include "dxf/dxf_culture.h"
#include "exchange/well_posting.h"
#include "fault/poly_fault_outlines.h"

namespace quarrix {

const PlotMapReaders& ProgramPlotMapReaders() {
  static const PlotMapReaders readers{ReadWellGroupPost, ReadCultureDrawing,
                                      ReadPolyFaultOutlines};
  return readers;
}

}  // namespace quarrix
