#include "scan/scan_commands.h"

#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "scan/scan_edits.h"
#include "scan/scan_files.h"
#include "scan/scan_registration.h"

namespace quarrix {
namespace {

void Call(const std::function<void()>& f) {
  if (f) f();
}

// Runs an edit and repaints.
std::function<void()> Edit(ScanActions& actions, std::function<void()> edit) {
  return [&actions, edit = std::move(edit)] {
    if (edit) edit();
    Call(actions.changed);
  };
}

void RunGrid(ScanDocument& document, ScanActions& actions) {
  std::unique_ptr<Progress> progress = actions.progress ? actions.progress() : nullptr;
  NullProgress none;
  GridScan(document, progress ? *progress : none, *actions.prompter, actions.status);
}

}  // namespace

bool OpenScanHorizonWithDialog(ScanDocument& document, Prompter& prompter) {
  if (!MayDiscardScanWork(document, prompter)) return false;
  std::optional<std::string> path = prompter.OpenFile(OpenScanHorizonRequest(document));
  return path && OpenScanHorizon(document, *path, prompter);
}

std::string SetScanScale(ScanDocument& document, double percent) {
  if (!(percent >= 10 && percent <= 400)) return "The scale must lie between 10 and 400 percent.";
  document.scale = percent / 100;
  return "";
}

CommandTable ScanCommands(ScanDocument& document, ScanActions& actions) {
  using namespace scan_command;
  ScanDocument& d = document;
  Prompter& prompter = *actions.prompter;
  auto has_horizon = [&d] { return d.HasHorizon(); };
  auto has_bitmap = [&d] { return d.HasBitmap(); };
  auto can_digitise = [&d] { return d.CanDigitise(); };
  auto in_mode = [&d](ScanMode a, ScanMode b) {
    return [&d, a, b] { return d.mode == a || d.mode == b; };
  };
  const char* file = "&File";
  const char* view = "&View";
  const char* digitise = "&Digitize";
  return {
      {kOpenHorizon,
       file,
       "Open &Horizon",
       "",
       0,
       {},
       {},
       Edit(actions, [&d, &prompter] { OpenScanHorizonWithDialog(d, prompter); })},
      {kOpenBitmap, file, "&Open Bitmap", "Ctrl+O", 0, {}, {}, Edit(actions, actions.open_bitmap)},
      {kSaveHorizon,
       file,
       "Sa&ve Horizon",
       "Ctrl+S",
       0,
       has_horizon,
       {},
       Edit(actions, [&d, &prompter] { SaveScanHorizonWithDialog(d, prompter); })},
      MenuSeparator(file),
      {kSelectSource, file, "S&elect Source", "", 0, {}, {}, actions.select_source},
      {kAcquire, file, "&Acquire", "", 0, {}, {}, Edit(actions, actions.acquire)},
      MenuSeparator(file),
      {kExit, file, "E&xit", "", 0, {}, {}, actions.exit},
      {kShowInColour,
       view,
       "&Show In Color",
       "",
       0,
       {},
       [&d] { return d.show_in_colour; },
       Edit(actions, [&d] { d.show_in_colour = !d.show_in_colour; })},
      {kShowSeeds,
       view,
       "Show See&ds",
       "",
       0,
       {},
       [&d] { return d.show_seeds; },
       Edit(actions, [&d] { d.show_seeds = !d.show_seeds; })},
      MenuSeparator(view),
      {kColours, view, "&Colors", "", 0, {}, {}, Edit(actions, actions.colours)},
      {kOptions, view, "&Options", "", 0, {}, {}, Edit(actions, actions.options)},
      {kScale, view, "&Scale", "", 0, has_bitmap, {}, Edit(actions, actions.scale)},
      {kSelectWells, view, "Select &Wells", "", 0, {}, {}, Edit(actions, actions.wells)},
      MenuSeparator(view),
      {kRefresh, view, "&Refresh", "F5", 0, {}, {}, [&actions] { Call(actions.changed); }},
      {kCorners, digitise, "Corne&rs", "", 0, has_bitmap,
       in_mode(ScanMode::UpperLeftCorner, ScanMode::LowerRightCorner),
       Edit(actions, [&d] { StartCornerSelection(d); })},
      MenuSeparator(digitise),
      {kContour, digitise, "&Contour", "", 0, can_digitise,
       in_mode(ScanMode::Contour, ScanMode::Contour),
       Edit(actions,
            [&d, &actions] {
              if (!d.CanDigitise() || !actions.contour) return;
              if (std::optional<std::int16_t> value = actions.contour()) StartContour(d, *value);
            })},
      {kAppend, digitise, "&Append", "", 0, can_digitise,
       in_mode(ScanMode::Append, ScanMode::Append),
       Edit(actions,
            [&d] {
              if (d.CanDigitise()) StartAppend(d);
            })},
      {kErase, digitise, "&Erase", "", 0, can_digitise, in_mode(ScanMode::Erase, ScanMode::Erase),
       Edit(actions,
            [&d] {
              if (d.CanDigitise()) StartErase(d);
            })},
      MenuSeparator(digitise),
      {kGridData,
       digitise,
       "&Grid Data",
       "",
       0,
       has_horizon,
       {},
       Edit(actions,
            [&d, &actions] {
              if (d.HasHorizon()) RunGrid(d, actions);
            })},
      {kUnGridData,
       digitise,
       "&UnGrid Data",
       "",
       0,
       has_horizon,
       {},
       Edit(actions, [&d] { UnGridScan(d); })},
      {kHelp, "&Help", "&Scan/Contour", "", 0, {}, {}, actions.help},
  };
}

}  // namespace quarrix
