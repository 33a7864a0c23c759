// The trace plot's commands that chain dialogs or run long work from a window.
#include <QApplication>
#include <QDialog>

#include "platform/ui/qt_progress.h"
#include "platform/ui/qt_prompter.h"
#include "project/project_state.h"
#include "section/batch_process.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {

ColourScanSource TraceFileScan(QWidget* parent, ProjectState& project,
                               const ProcessingParams& params) {
  ColourScanSource source;
  source.owner = ColourBarOwner::TracePlot;
  source.scan = [parent, &project, &params]() -> std::optional<MinMaxScan> {
    QtPrompter prompter(parent);
    QtProgress progress(parent, "Scan for Min/Max");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<MinMaxScan> scan =
        ScanTraceMinMax(project.amp, project.header, params, prompter, progress);
    QApplication::restoreOverrideCursor();
    return scan;
  };
  return source;
}

bool ChangeColours(QWidget* parent, ColourBar& bar, const ColourScanSource& source) {
  // A window's bar starts cleared; its first use is the default bar.
  if (bar.count <= 0) SetDefaultColourBar(bar);
  if (!EditColourParameters(parent, bar, source)) return false;
  EditBarColours(parent, bar);
  return true;
}

bool BatchProcessFromWindow(QWidget* parent, ProjectState& project, ProcessingParams& params) {
  QtPrompter prompter(parent);
  QtProgress progress(parent, "Batch Process");
  return BatchProcess(project, params, prompter, progress);
}

}  // namespace quarrix
