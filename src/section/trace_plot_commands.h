#pragma once
// The command table of the presentation trace plot ("TRACEM"): the plot
// modes, stepping and the automatic switch act on the document here; the
// commands that need a dialog or a device go to the window.
#include <functional>

#include "platform/command_table.h"
#include "section/trace_plot.h"

namespace quarrix {

// replot: the document changed what is shown. window_command: a command the
// window carries out itself (dialogs, printing, files).
CommandTable TracePlotCommands(TracePlotDocument& doc, std::function<void()> replot,
                               std::function<void(int)> window_command);

}  // namespace quarrix
