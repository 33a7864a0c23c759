#include "app/main_commands.h"

namespace quarrix {

const std::vector<MenuEntry>& MainMenuEntries() {
  using namespace command;
  static const std::vector<MenuEntry> entries = {
      {"&File", "&Open", kOpen},
      {"&File", "Open &Amp File", kOpenAmpFile},
      {"&File", "&Close", kClose},
      {"&File", "Save &Header", kSaveHeader},
      {"&File", "-", 0},
      {"&File", "&Create Amp File", kCreateAmpFile},
      {"&File", "Create X/&Y File", kCreateXyFile},
      {"&File", "Create Time S&lice", kCreateTimeSlice},
      {"&File", "-", 0},
      {"&File", "E&xit", kExit},
      {"&Setup", "&Header", kSetupHeader},
      {"&Setup", "&Monitor", kMonitor},
      {"&Go To", "Presentation &Horizon Plot", kHorizonPlot},
      {"&Go To", "Presentation &Trace Plot", kTracePlot},
      {"&Go To", "&Pick-Edit Horizon", kPickEdit},
      {"&Go To", "&Import/Export ", kImportExport},
      {"&Go To", "&Scan/Contour", kScanContour},
      {"&Go To", "&Data Loading", kDataLoading},
      {"", "&Math", kMath},
      {"&Well", "&Create Well", kCreateWell},
      {"&Well", "&Open Well", kOpenWell},
      {"&Help", "&Help", kHelp},
      {"&Help", "&About", kAbout},
  };
  return entries;
}

const std::vector<Accelerator>& MainAccelerators() {
  using namespace command;
  static const std::vector<Accelerator> accelerators = {
      {"F2", kAccelF2, kPickF2},
      {"F1", kAccelF1, kPickF1},
      {"F", kAccelF, kPickF},
      {"Z", kAccelZ, kPickZ},
  };
  return accelerators;
}

}  // namespace quarrix
