#include "workspace/ui/time_slices_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>

#include "horizon/horizon_location.h"
#include "horizon/time_slices.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/ui/qt_progress.h"
#include "project/project_state.h"
#include "section/section_plot_loader.h"
#include "section/trace_conditioning.h"

namespace quarrix {

TimeSlicesDialog::TimeSlicesDialog(int start_ms, int end_ms, bool flatten,
                                   const std::vector<std::string>& flatten_files,
                                   const std::string& chosen, QWidget* parent)
    : QDialog(parent),
      start_(new QLineEdit(QString::number(start_ms), this)),
      end_(new QLineEdit(QString::number(end_ms), this)),
      increment_(new QLineEdit("0", this)),
      flatten_(new QCheckBox("Flatten", this)),
      files_(new QListWidget(this)) {
  setWindowTitle("Generate Time Slices");
  setProperty("help_page", "time_slices.html");
  auto* form = new QFormLayout(this);
  form->addRow("Start Time", start_);
  form->addRow("End Time", end_);
  form->addRow("Time Increment", increment_);
  flatten_->setChecked(flatten);
  form->addRow(flatten_);
  for (const std::string& name : flatten_files) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), files_);
    item->setSelected(name == chosen);
  }
  form->addRow(files_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

std::string TimeSlicesDialog::chosen_file() const {
  const QList<QListWidgetItem*> chosen = files_->selectedItems();
  return chosen.isEmpty() ? "" : chosen.front()->text().toStdString();
}

bool GenerateTimeSlicesWithDialog(QWidget* parent, ProjectState& project, FlattenTable& flatten,
                                  const ProcessingParams& params, Prompter& prompter,
                                  const std::function<bool(QDialog&)>& run_dialog) {
  const SurveyHeader& h = project.header;
  const std::string folder = DirectoryOf(project.header_path);
  TimeSlicesDialog dialog(h.start_time, h.start_time + h.num_samples * h.sample_rate, flatten.on,
                          ListFilesWithExtension(folder, "flt"), flatten.file, parent);
  if (!run_dialog(dialog)) return false;
  bool ok_start = false, ok_end = false, ok_increment = false;
  SliceRequest request;
  request.start_ms = dialog.start()->text().trimmed().toInt(&ok_start);
  request.end_ms = dialog.end()->text().trimmed().toInt(&ok_end);
  request.increment_ms = dialog.increment()->text().trimmed().toInt(&ok_increment);
  if (!ok_start || !ok_end || !ok_increment || request.increment_ms < 0) {
    prompter.Tell(
        "Start Time, End Time and Time Increment must be whole numbers, the increment "
        "not below 0.",
        "Time Slice", MessageIcon::Error);
    return false;
  }
  const std::string file = dialog.chosen_file();
  if (dialog.flatten()->isChecked() && !file.empty()) {
    if (!LoadFlattenFile(JoinPath(folder, file), h, flatten)) {
      prompter.Tell("Cannot read " + JoinPath(folder, file), "Time Slice", MessageIcon::Error);
      return false;
    }
    flatten.file = file;
  } else {
    flatten.on = false;
  }
  request.flatten = &flatten;
  request.threads = MachineThreadCount();
  ProcessingConditioner conditioner(params, h.sample_rate, prompter);
  QtProgress progress(parent, "Generate Time Slices");
  const SliceRun run =
      GenerateTimeSlices(h, project.amp, ConditioningOn(params) ? &conditioner : nullptr, folder,
                         request, progress, prompter);
  return !run.cancelled;
}

}  // namespace quarrix
