#include "exchange/ui/math_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/qt_progress.h"
#include "project/project_state.h"

namespace quarrix {

namespace {

// The function radio buttons in their order; Expression is the "Operators" mode.
const std::pair<const char*, MathFunction> kFunctions[] = {
    {"Operators", MathFunction::Expression},          {"Abs Value", MathFunction::AbsValue},
    {"Lt. Smooth", MathFunction::LightSmooth},        {"Hv. Smooth", MathFunction::HeavySmooth},
    {"Fill Holes", MathFunction::FillHoles},          {"Null to Zero", MathFunction::NullToZero},
    {"Zero to Null", MathFunction::ZeroToNull},       {"Flatten", MathFunction::Flatten},
    {"Interval Avg.", MathFunction::IntervalAverage}, {"Combine Amp", MathFunction::CombineAmp},
    {"Depth Ftn.", MathFunction::DepthFunction},
};

QDialogButtonBox* OkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

MathDialog::MathDialog(ProjectState& project, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      project_(project),
      prompter_(prompter),
      folder_(DirectoryOf(project.header_path)) {
  setWindowTitle("Math Functions");
  setProperty("help_page", "math_functions.html");  // the page F1 opens
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  expression_ = new QLineEdit(this);
  form->addRow("Command Line - Operators && Files ", expression_);
  auto* output_row = new QHBoxLayout;
  output_ = new QLineEdit(this);
  auto* browse = new QPushButton("Browse", this);
  output_row->addWidget(output_);
  output_row->addWidget(browse);
  form->addRow("Output File", output_row);
  layout->addLayout(form);
  connect(browse, &QPushButton::clicked, this, [this] {
    if (auto path = prompter_.SaveFile({.title = "Open Horizon Output File",
                                        .filter_names = {"Horizon Time (*.hor)"},
                                        .filter_patterns = {"*.hor"},
                                        .initial_directory = folder_,
                                        .must_exist = false}))
      output_->setText(QString::fromStdString(*path));
  });
  layout->addWidget(BuildInputs());
  auto* lower = new QHBoxLayout;
  lower->addWidget(BuildOperators());
  lower->addWidget(BuildFunctions());
  layout->addLayout(lower);
  layout->addWidget(OkCancel(*this));
}

QWidget* MathDialog::BuildInputs() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  for (int k = 0; k < 3; ++k) {
    InputRow& row = inputs_[k];
    row.kinds = MathInputKinds(k == 1);
    row.file = new QComboBox(box);
    row.file->setEditable(true);
    row.file->setMinimumContentsLength(24);
    row.kind = new QComboBox(box);
    for (const MathFileKind& kind : row.kinds)
      row.kind->addItem(QString::fromStdString(kind.label));
    grid->addWidget(new QLabel(QString("Input File - H%1").arg(k + 1), box), 0, k);
    grid->addWidget(row.file, 1, k);
    grid->addWidget(row.kind, 2, k);
    connect(row.kind, &QComboBox::currentIndexChanged, this, [this, k] { ListFiles(k); });
    ListFiles(k);
  }
  return box;
}

void MathDialog::ListFiles(int k) {
  InputRow& row = inputs_[k];
  const MathFileKind& kind = row.kinds[static_cast<std::size_t>(row.kind->currentIndex())];
  row.file->clear();
  for (const std::string& name : FilesOfKind(folder_, kind.pattern))
    row.file->addItem(QString::fromStdString(name));
  row.file->setCurrentIndex(-1);
  row.file->setEditText("");
}

QWidget* MathDialog::BuildOperators() {
  auto* box = new QGroupBox("Operators", this);
  auto* layout = new QVBoxLayout(box);
  const std::pair<const char*, const char*> operators[] = {{"Add         +", " + "},
                                                           {"Subtract   -", " - "},
                                                           {"Multiply    *", " * "},
                                                           {"Divide      /", " / "}};
  for (const auto& [text, symbol] : operators) {
    auto* button = new QPushButton(text, box);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, symbol = QString(symbol)] {
      expression_->insert(symbol);
      ChooseFunction(MathFunction::Expression);
    });
  }
  layout->addStretch();
  return box;
}

QWidget* MathDialog::BuildFunctions() {
  auto* box = new QGroupBox("Functions", this);
  auto* grid = new QGridLayout(box);
  functions_ = new QButtonGroup(box);
  int slot = 0;
  for (const auto& [text, function] : kFunctions) {
    auto* button = new QRadioButton(text, box);
    functions_->addButton(button, static_cast<int>(function));
    grid->addWidget(button, slot % 6, slot / 6);
    ++slot;
  }
  ChooseFunction(MathFunction::Expression);
  return box;
}

void MathDialog::ChooseFunction(MathFunction function) {
  functions_->button(static_cast<int>(function))->setChecked(true);
}

MathRequest MathDialog::Request() const {
  MathRequest request;
  request.function = static_cast<MathFunction>(functions_->checkedId());
  request.expression = expression_->text().toStdString();
  std::string output = output_->text().toStdString();
  request.output =
      output.empty() || output.find('/') != std::string::npos ? output : JoinPath(folder_, output);
  for (int k = 0; k < 3; ++k) {
    const InputRow& row = inputs_[k];
    request.inputs[k] = MathInputFrom(row.kinds[static_cast<std::size_t>(row.kind->currentIndex())],
                                      row.file->currentText().trimmed().toStdString(), folder_);
  }
  return request;
}

bool MathDialog::AskFlattenReference(MathRequest& request) {
  QDialog ask(this);
  ask.setWindowTitle("Flatten Horizon");
  auto* layout = new QHBoxLayout(&ask);
  auto* reference = new QSpinBox(&ask);
  reference->setObjectName("Flatten to");
  reference->setRange(-32767, 32767);
  reference->setValue(request.inputs[0] ? ProposedFlattenFor(*request.inputs[0], project_.header)
                                        : 0);
  layout->addWidget(new QLabel("Flatten to ", &ask));
  layout->addWidget(reference);
  layout->addWidget(new QLabel("ms", &ask));
  layout->addWidget(OkCancel(ask));
  if (!run_dialog(ask)) return false;
  request.flatten_reference = reference->value();
  return true;
}

bool MathDialog::AskIntervalMode(MathRequest& request) {
  QDialog ask(this);
  ask.setWindowTitle("Interval Average");
  auto* layout = new QVBoxLayout(&ask);
  auto* modes = new QButtonGroup(&ask);
  const char* texts[] = {"Average", "Absolute Average", "Positive Average", "Negative Average"};
  for (int m = 0; m < 4; ++m) {
    auto* button = new QRadioButton(texts[m], &ask);
    button->setChecked(m == 0);
    modes->addButton(button, m);
    layout->addWidget(button);
  }
  layout->addWidget(OkCancel(ask));
  if (!run_dialog(ask)) return false;
  request.interval_mode = static_cast<IntervalMode>(modes->checkedId());
  return true;
}

bool MathDialog::Run() {
  MathRequest request = Request();
  if (request.function == MathFunction::Flatten && !AskFlattenReference(request)) return false;
  if (request.function == MathFunction::IntervalAverage && !AskIntervalMode(request)) return false;
  if (request.function == MathFunction::DepthFunction) {
    FileDialogRequest ask;
    ask.title = "Get Depth Ftn File";
    ask.filter_names[0] = "Depth Ftn (*.ftn)";
    ask.filter_patterns[0] = "*.ftn";
    ask.initial_directory = folder_;
    auto path = prompter_.OpenFile(ask);
    if (!path) return false;
    request.depth_function_path = *path;
  }
  QtProgress progress(this, "Math Functions");
  return RunMath(request, project_, progress, prompter_).has_value();
}

}  // namespace quarrix
