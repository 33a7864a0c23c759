// The load chain of the loader's "&Start": the data source, then the steps of
// a tape load, a disk-file load or an export, each answered by dialogs.
#include <QMenuBar>

#include "loader/disk_conversion.h"
#include "loader/segy_export.h"
#include "loader/tape_conversion.h"
#include "loader/ui/choice_dialogs.h"
#include "loader/ui/header_values_dialog.h"
#include "loader/ui/loader_window.h"
#include "loader/ui/scale_dialogs.h"
#include "loader/ui/status_windows.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/tape_device.h"
#include "platform/tape_image.h"
#include "project/header_file.h"

namespace quarrix {
namespace {

// While an operation runs the menu is off (the progress window keeps the
// program's events flowing, so "&Start" could otherwise start a second one);
// afterwards the progress and wait windows are hidden.
class BusyScope {
 public:
  BusyScope(QMenuBar* menu, bool& busy, ProgressWindow* progress, PleaseWaitWindow* wait)
      : menu_(menu), busy_(busy), progress_(progress), wait_(wait) {
    busy_ = true;
    menu_->setEnabled(false);
    progress_->Reset();
  }
  ~BusyScope() {
    progress_->hide();
    wait_->hide();
    menu_->setEnabled(true);
    busy_ = false;
  }

 private:
  QMenuBar* menu_;
  bool& busy_;
  ProgressWindow* progress_;
  PleaseWaitWindow* wait_;
};

}  // namespace

void LoaderWindow::CommandStart() {
  SourceDialog source(state_.source, state_.two_d, this);
  if (!run_dialog(source)) return;
  state_.source = source.source();
  state_.two_d = source.two_d();
  DialogDecisions decisions(this, run_dialog, *prompter_, *messages_, state_);
  BusyScope busy(menuBar(), busy_, progress_, please_wait_);
  switch (state_.source) {
    case kSourceTape: LoadFromTape(decisions); break;
    case kSourceDisk: LoadFromDisk(decisions); break;
    case kSourceExport: ExportProjectTo(decisions); break;
    default: break;
  }
}

std::optional<TapeChoice> LoaderWindow::ChooseTape(bool for_export) {
  TapeUnitDialog dialog(state_.tape_unit, state_.tape, for_export, describe_tape_unit, *prompter_,
                        this);
  dialog.rewind = [this](const TapeChoice& choice) { RewindChosenTape(choice); };
  if (!run_dialog(dialog)) return std::nullopt;
  state_.tape = dialog.settings();
  state_.tape_unit = dialog.choice().unit;
  if (dialog.choice().empty()) return std::nullopt;
  return dialog.choice();
}

void LoaderWindow::RewindChosenTape(const TapeChoice& choice) {
  std::string error;
  std::unique_ptr<TapeDevice> tape = OpenTape(choice.TapeName(), false, error);
  if (!tape) {
    prompter_->Tell(error, "", MessageIcon::Warning);
    return;
  }
  if (tape->TestUnitReady() != kTapeOk && tape->TestUnitReady() != kTapeOk) {
    prompter_->Tell("Tape Not Ready!!", "", MessageIcon::Warning);
    return;
  }
  please_wait_->ShowText("Tape is Rewinding.");
  tape->Rewind();
  please_wait_->hide();
}

void LoaderWindow::TakeOutcome(const LoadOutcome& outcome, bool made_project) {
  if (outcome.result != LoadResult::Done || !made_project) return;
  // Keep the header as written, so "Sa&ve Project Hdr" writes what was loaded.
  SurveyHeader written;
  if (LoadHeader(outcome.header_path, written, *prompter_, HeaderReader::Loader))
    state_.header = written;
}

void LoaderWindow::LoadFromTape(DialogDecisions& decisions) {
  std::optional<TapeChoice> target = ChooseTape(false);
  if (!target) return;
  std::string error;
  std::unique_ptr<TapeDevice> tape = OpenTape(target->TapeName(), false, error);
  if (!tape) {
    prompter_->Tell(error, "", MessageIcon::Warning);
    return;
  }
  decisions.SetTapeOperation(true);
  decisions.SetTapeImage(dynamic_cast<TapeImage*>(tape.get()));
  messages_->show();
  TapeLoadRequest request;
  request.settings = state_.tape;
  request.two_d = state_.two_d;
  request.defaults = state_.header;
  please_wait_->ShowText("Reading Tape Header");
  bool read = ReadTapeHeaders(*tape, request.settings, request.headers, decisions, *prompter_);
  please_wait_->hide();
  if (!read) return;

  ConversionTypeDialog type(state_.conversion, this);
  if (!run_dialog(type)) return;
  state_.conversion = type.conversion();
  if (state_.conversion == kConvertAuto || state_.conversion == kConvertManual) {
    const SegyBinaryInfo& info = request.headers.info;
    ScaleParametersDialog scale(
        Trunc32(static_cast<double>(info.samples) * info.interval_us / 1000),
        state_.window.no_scaling, *prompter_, this);
    if (!run_dialog(scale)) return;
    state_.window = request.window = scale.window();
  }
  LoadOutcome outcome;
  switch (state_.conversion) {
    case kConvertAuto:
      outcome = ConvertTapeAuto(*tape, request, decisions, *prompter_, *progress_);
      break;
    case kConvertManual:
      outcome = ConvertTapeManual(*tape, request, decisions, *prompter_, *progress_);
      break;
    case kConvertCopy: outcome = CopyTape(*tape, request, decisions, *prompter_, *progress_); break;
    default: return;
  }
  TakeOutcome(outcome, state_.conversion != kConvertCopy);
}

void LoaderWindow::LoadFromDisk(DialogDecisions& decisions) {
  messages_->show();
  std::optional<std::string> path =
      prompter_->OpenFile(SegyInputRequest(DirectoryOf(state_.header_path)));
  if (!path) return;
  SegyFileHeaders headers;
  if (!ReadDiskHeaders(*path, headers, decisions, *prompter_)) return;
  const SegyBinaryInfo& info = headers.info;
  ScaleParametersDialog scale(Trunc32(static_cast<double>(info.samples) * info.interval_us / 1000),
                              state_.window.no_scaling, *prompter_, this);
  if (!run_dialog(scale)) return;
  state_.window = scale.window();
  state_.conversion = kConvertDisk;
  DiskLoadRequest request;
  request.input_path = *path;
  request.info = info;
  request.window = state_.window;
  request.two_d = state_.two_d;
  request.defaults = state_.header;
  request.threads = MachineThreadCount();
  TakeOutcome(ConvertDiskFile(request, decisions, *prompter_, *progress_), true);
}

void LoaderWindow::ExportProjectTo(DialogDecisions& decisions) {
  std::optional<TapeChoice> target = ChooseTape(true);
  if (!target) return;
  FileDialogRequest request = OpenHeaderRequest(state_.header_path);
  request.initial_file.clear();
  std::optional<std::string> header_path = prompter_->OpenFile(request);
  if (!header_path) return;
  SurveyHeader header;
  if (!LoadHeader(*header_path, header, *prompter_, HeaderReader::Interpretation)) return;
  HeaderValuesDialog values(header, false, *prompter_, this);
  if (!run_dialog(values)) return;

  std::unique_ptr<TapeDevice> tape;
  std::unique_ptr<BlockSink> sink;
  if (target->disk_file) {
    sink = FileSink(target->file);
  } else {
    std::string error;
    tape = OpenTape(target->TapeName(), true, error);
    if (!tape) {
      prompter_->Tell(error, "", MessageIcon::Warning);
      return;
    }
    sink = TapeSink(*tape);
  }
  messages_->show();
  ExportProject(*header_path, values.range(), *sink, decisions, *prompter_, *progress_);
}

}  // namespace quarrix
