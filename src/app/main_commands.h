#pragma once
// The command identifiers of the interpretation program's main frame and the
// layout of its main menu. Other windows post or compare these numbers.
#include <vector>

namespace quarrix {

namespace command {
constexpr int kAbout = 2032;
constexpr int kPrintSetup = 2033;
constexpr int kExit = 2034;
constexpr int kSetupHeader = 2035;
constexpr int kSaveHeader = 2036;
constexpr int kHorizonPlot = 2038;
constexpr int kHelp = 2041;
constexpr int kTracePlot = 2054;
constexpr int kCreateAmpFile = 2065;
constexpr int kCreateXyFile = 2068;
constexpr int kOpenWell = 2070;
constexpr int kCreateWell = 2071;
constexpr int kOpen = 2074;
constexpr int kClose = 2075;
constexpr int kMonitor = 2078;
constexpr int kPickEdit = 2084;
constexpr int kOpenAmpFile = 2092;
constexpr int kMath = 2093;
constexpr int kCreateTimeSlice = 2126;
constexpr int kImportExport = 2127;
constexpr int kScanContour = 2178;
constexpr int kDataLoading = 2194;
// Accelerators of the main frame and the pick/edit commands they become.
constexpr int kAccelF2 = 2192;
constexpr int kAccelF1 = 2193;
constexpr int kAccelF = 2208;
constexpr int kAccelZ = 2210;
constexpr int kPickF2 = 10017;
constexpr int kPickF1 = 10015;
constexpr int kPickF = 2208;
constexpr int kPickZ = 10003;
// Recent projects under File: kRecentFirst + 0 .. kRecentFirst + 8.
constexpr int kRecentFirst = 2300;
}  // namespace command

struct MenuEntry {
  const char* menu;  // "" for an item directly on the menu bar
  const char* text;  // "-" for a separator
  int id;
};

// The main menu in display order.
const std::vector<MenuEntry>& MainMenuEntries();

struct Accelerator {
  const char* key;    // the key as a portable key-sequence text
  int frame_command;  // what the main frame receives
  int pick_command;   // what it forwards to the pick/edit frame
};
const std::vector<Accelerator>& MainAccelerators();

}  // namespace quarrix
