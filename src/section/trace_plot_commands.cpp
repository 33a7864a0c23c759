#include "section/trace_plot_commands.h"

namespace quarrix {

CommandTable TracePlotCommands(TracePlotDocument& doc, std::function<void()> replot,
                               std::function<void(int)> window_command) {
  using namespace trace_plot_command;
  auto by_window = [window_command](int id) {
    return [window_command, id] { window_command(id); };
  };
  auto step = [&doc, replot](int steps) {
    return [&doc, replot, steps] {
      StepSection(doc, steps);
      replot();
    };
  };
  auto mode = [&doc, replot](SectionMode m) {
    return [&doc, replot, m] {
      ChoosePlotMode(doc, m);
      replot();
    };
  };
  auto has_plot = [&doc] { return HasPlotMode(doc); };
  const int kModes = 1;
  CommandTable t = {
      {kOpenBitmap, "&File", "&Open Plot Bitmap", "", 0, {}, {}, by_window(kOpenBitmap)},
      {kSaveBitmap, "&File", "&Save Plot Bitmap", "", 0, has_plot, {}, by_window(kSaveBitmap)},
      {kSaveMetafile, "&File", "Save As &Meta File", "", 0, has_plot, {}, by_window(kSaveMetafile)},
      MenuSeparator("&File"),
      {kPrint, "&File", "&Print", "Ctrl+P", 0, has_plot, {}, by_window(kPrint)},
      {kPrintSetup, "&File", "Print &Setup", "", 0, {}, {}, by_window(kPrintSetup)},
      MenuSeparator("&File"),
      {kExit, "&File", "E&xit", "", 0, {}, {}, by_window(kExit)},
      {kLoadColourFile, "&Color", "&Load Color File", "", 0, {}, {}, by_window(kLoadColourFile)},
      {kDefaultColours,
       "&Color",
       "&Default Colors",
       "",
       0,
       {},
       {},
       [&doc, replot] {
         SetDefaultColourBar(doc.colour_bar);
         doc.colour_bar_name = kDefaultColourBarName;
         doc.redraw_needed = true;
         replot();
       }},
      {kOverlayOptions, "&Color", "&Overlay Options", "", 0, {}, {}, by_window(kOverlayOptions)},
      {kChangeColours, "&Color", "&Change Colors ", "", 0, {}, {}, by_window(kChangeColours)},
      {kSaveColourFile, "&Color", "&Save Color File", "", 0, {}, {}, by_window(kSaveColourFile)},
      {kSetup, "&Options", "&Setup", "", 0, {}, {}, by_window(kSetup)},
      {kPlotter, "&Options", "&Plotter", "", 0, {}, {}, by_window(kPlotter)},
      {kProcess, "&Options", "P&rocess", "", 0, {}, {}, by_window(kProcess)},
      {kBatchProcess, "&Options", "&Batch Process", "", 0, {}, {}, by_window(kBatchProcess)},
      {kSetLine, "&Options", "Set &Line", "", 0, {}, {}, by_window(kSetLine)},
      {kSetHorizons, "&Options", "Set &Horizons", "", 0, {}, {}, by_window(kSetHorizons)},
      {kAutomatic,
       "&Options",
       "&Automatic",
       "",
       0,
       {},
       [&doc] { return doc.automatic; },
       [&doc] { doc.automatic = !doc.automatic; }},
      {kComments, "&Options", "&Comments", "", 0, {}, {}, by_window(kComments)},
      {kPlotVar,
       "&Plot",
       "Plot &Var",
       "",
       kModes,
       {},
       [&doc] { return doc.var_mode; },
       mode(SectionMode::Wiggle)},
      {kPlotDirect, "&Plot", "Plot &Direct", "", 0, {}, {}, {}},
      {kPlotColour,
       "&Plot",
       "Plot &Color",
       "",
       kModes,
       {},
       [&doc] { return doc.colour_mode; },
       mode(SectionMode::Colour)},
      {kBackTen, "", "-10", "", 0, {}, {}, step(-10)},
      {kBack, "", "-", "PgUp; Left; Up", 0, {}, {}, step(-1)},
      {kRedraw,
       "",
       "0",
       "",
       0,
       {},
       {},
       [&doc, replot] {
         doc.redraw_needed = true;
         replot();
       }},
      {kForward, "", "+", "PgDown; Right; Down", 0, {}, {}, step(1)},
      {kForwardTen, "", "+10", "", 0, {}, {}, step(10)},
      {kHelp, "&Help", "&Help", "", 0, {}, {}, by_window(kHelp)},
  };
  return t;
}

}  // namespace quarrix
