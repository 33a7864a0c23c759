#include <ostream>

#include "horizon/batch_setup.h"
#include "horizon/bulk_edits.h"
#include "horizon/horizon_commands.h"
#include "horizon/pick_settings.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/terminal_progress.h"
#include "platform/write_session.h"
#include "project/output_guard.h"

namespace quarrix {
namespace {

const char kSnapHelp[] =
    "usage: quarrix-batch snap PROJECT.hdr NAME.hor [--zoom L1:L2,T1:T2]\n"
    "\n"
    "Moves every pick of the zoom window (default the whole survey) to the\n"
    "event of the horizon's pick type; picks on traces without the event\n"
    "become null. The erase flag is cleared first; the registration stays.\n";

const char kClearAutoHelp[] =
    "usage: quarrix-batch clear-auto PROJECT.hdr NAME.hor [--zoom L1:L2,T1:T2]\n"
    "\n"
    "Nulls every cell whose registration is 0 (interpolated or autopicked);\n"
    "seeds and blanks stay.\n";

const char kEraseHelp[] =
    "usage: quarrix-batch erase PROJECT.hdr NAME.hor [--zoom L1:L2,T1:T2]\n"
    "\n"
    "Deletes every pick in the zoom window (default the whole survey) and\n"
    "clears its registration.\n";

const char kAutopickHelp[] =
    "usage: quarrix-batch autopick PROJECT.hdr NAME.hor --mode inline|xline|grid\n"
    "         [--no-snap] [--zoom L1:L2,T1:T2] [--threads N] [--mpi]\n"
    "\n"
    "Completes the horizon from its seeds over the zoom window: inline fills\n"
    "linearly across the lines between in-line seeds, xline along the lines\n"
    "between cross-line seeds, grid by natural-neighbour gridding. Then, unless\n"
    "--no-snap, every non-seed cell is snapped to the event. --threads N shares\n"
    "the snap pass's lines out among N threads (default: one per core; the\n"
    "horizon is the same for every N). --mpi, in a job started by mpirun or\n"
    "srun, shares the snap pass's lines out among the job's processes; the\n"
    "first writes the horizon, the same as one process writes.\n";

// The parts every edit command shares: the project, the horizon and the zoom.
struct EditSetup {
  std::unique_ptr<BatchProject> batch;
  std::optional<PickEnvironment> env;
  std::unique_ptr<WriteSession> session;  // the horizon's lock and marker
  int status = 0;
};

// In a job's group every process opens the project and the horizon; the
// first alone checks, locks and marks the horizon.
EditSetup PrepareEdit(const CommandLine& line, const char* name, const char* help, bool need_traces,
                      std::ostream& err, ProcessGroup* group = nullptr) {
  EditSetup setup;
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 2) problem = "give PROJECT.hdr and NAME.hor";
  std::optional<ZoomWindow> zoom;
  if (problem.empty() && line.Value("--zoom")) {
    zoom = ParseZoom(*line.Value("--zoom"));
    if (!zoom) problem = "--zoom takes L1:L2,T1:T2";
  }
  if (!problem.empty()) {
    setup.status = Usage(err, name, problem, help);
    return setup;
  }
  setup.batch = OpenBatchProject(line.positionals()[0], need_traces, name, err);
  if (group && !group->AllOk(setup.batch != nullptr)) setup.status = 1;
  if (!setup.batch || setup.status != 0) {
    setup.status = 1;
    return setup;
  }
  PickSettings settings = LoadPickSettings(setup.batch->folder, setup.batch->project.header);
  setup.env.emplace(setup.batch->Environment(line.positionals()[1], settings.pick_window_ms));
  if (zoom) setup.env->zoom = *zoom;
  if (!FirstDecides(group, [&] {
        return MayEdit(setup.batch->project, setup.env->horizon.path, EditedFile::Horizon, name,
                       err) &&
               (setup.session = LockForEditing(setup.env->horizon.path, name, err)) != nullptr;
      }))
    setup.status = 1;
  return setup;
}

// The exit status of an edit. An edit that failed part way leaves the
// horizon's marker, so the next run says the horizon may be incomplete.
int Conclude(EditSetup& setup, bool failed, bool done) {
  if (!failed && setup.session) setup.session->Finish();
  return done ? 0 : 1;
}

template <typename Edit>
int RunEdit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const char* name, const char* help, bool need_traces, Edit edit) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << help;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, {"--zoom"}, {});
  EditSetup setup = PrepareEdit(line, name, help, need_traces, err);
  if (setup.status != 0) return setup.status;
  EditOutcome outcome = edit(*setup.env);
  return Conclude(setup, outcome == EditOutcome::Failed, outcome == EditOutcome::Done);
}

}  // namespace

int RunSnapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunEdit(args, out, err, "snap", kSnapHelp, true, [&](const PickEnvironment& env) {
    TerminalProgress progress(err, StderrIsTerminal());
    return SnapHorizon(env, progress);
  });
}

int RunClearAutoCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
  return RunEdit(args, out, err, "clear-auto", kClearAutoHelp, false,
                 [](const PickEnvironment& env) { return ClearAutoPicks(env); });
}

int RunEraseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunEdit(args, out, err, "erase", kEraseHelp, false,
                 [](const PickEnvironment& env) { return ErasePicksInWindow(env); });
}

int RunAutopickCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       const AreaGridder& gridder) {
  if (args.empty() || WantsHelp(args)) {
    (args.empty() ? err : out) << kAutopickHelp;
    return args.empty() ? 2 : 0;
  }
  CommandLine line(args, {"--zoom", "--mode", "--threads"}, {"--no-snap", "--mpi"});
  AutopickRequest request;
  if (std::string problem = ReadThreadsOption(line, request.threads); !problem.empty()) {
    err << "autopick: " << problem << '\n';
    return 2;
  }
  request.gridder = gridder;
  request.snap = !line.Has("--no-snap");
  const std::string mode = line.Value("--mode").value_or("");
  if (mode == "inline")
    request.mode = AutopickMode::FromInlineSeeds;
  else if (mode == "xline")
    request.mode = AutopickMode::FromCrosslineSeeds;
  else if (mode == "grid")
    request.mode = AutopickMode::FromGridding;
  else if (line.error().empty()) {
    err << "autopick: --mode is inline, xline or grid\n" << kAutopickHelp;
    return 2;
  }
  std::unique_ptr<ProcessGroup> group;
  if (std::string problem = ReadMpiOption(line, group); !problem.empty()) {
    err << "autopick: " << problem << '\n';
    return 1;
  }
  request.group = group.get();
  EditSetup setup = PrepareEdit(line, "autopick", kAutopickHelp, true, err, group.get());
  if (setup.status != 0) return setup.status;
  const bool first = !group || group->IsFirst();
  TerminalProgress terminal(err, StderrIsTerminal());
  NullProgress quiet;
  Progress& progress = first ? static_cast<Progress&>(terminal) : quiet;
  AutopickOutcome outcome = Autopick(*setup.env, request, progress);
  if (outcome == AutopickOutcome::Finished && first) out << "Autopick Finished\n";
  return Conclude(setup, outcome == AutopickOutcome::Failed, outcome == AutopickOutcome::Finished);
}

}  // namespace quarrix
