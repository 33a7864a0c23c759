#pragma once
// The Scan/Contour window's menu "MAP" as a command table: the command
// numbers, when each is enabled or checked, and what it runs. Commands that
// need a window (file and option dialogs, the scanner) come in as actions.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/command_table.h"
#include "scan/scan_document.h"

namespace quarrix {

class Progress;
class Prompter;

namespace scan_command {
inline constexpr int kOpenHorizon = 2185;
inline constexpr int kOpenBitmap = 2074;
inline constexpr int kSaveHorizon = 2109;
inline constexpr int kSelectSource = 2181;
inline constexpr int kAcquire = 2180;
inline constexpr int kExit = 2073;
inline constexpr int kShowInColour = 2190;
inline constexpr int kShowSeeds = 2191;
inline constexpr int kColours = 2189;
inline constexpr int kOptions = 2066;
inline constexpr int kScale = 2179;
inline constexpr int kSelectWells = 2067;
inline constexpr int kCorners = 2177;
inline constexpr int kGridData = 2186;
inline constexpr int kUnGridData = 2187;
inline constexpr int kAppend = 2188;
inline constexpr int kContour = 2176;
inline constexpr int kErase = 2120;
inline constexpr int kRefresh = 2069;
inline constexpr int kHelp = 2195;
}  // namespace scan_command

struct ScanActions {
  Prompter* prompter = nullptr;
  std::function<void()> changed;                         // repaint, caption, marks
  std::function<void(const std::string&)> status;        // status bar text
  std::function<std::unique_ptr<Progress>()> progress;   // "Gridding Data"
  std::function<std::optional<std::int16_t>()> contour;  // "Select": the value, or cancelled
  std::function<void()> open_bitmap, select_source, acquire, exit;
  std::function<void()> colours, options, scale, wells, help;
};

CommandTable ScanCommands(ScanDocument& document, ScanActions& actions);

// "Open &Horizon": asks before unsaved work goes, then the file dialog.
bool OpenScanHorizonWithDialog(ScanDocument& document, Prompter& prompter);

// "&Scale": the view scale as a percentage of the scan's own size (10 to
// 400); "" when set, else the message.
std::string SetScanScale(ScanDocument& document, double percent);

}  // namespace quarrix
