#include "plot_map_readers.h"

#include "dxf/dxf_culture.h"
#include "exchange/well_posting.h"

namespace quarrix {

const PlotMapReaders& BatchPlotMapReaders() {
  static const PlotMapReaders readers{ReadWellGroupPost, ReadCultureDrawing};
  return readers;
}

}  // namespace quarrix
