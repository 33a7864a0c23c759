#include "exchange/ui/well_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "exchange/well_exchange.h"
#include "platform/prompter.h"
#include "platform/ui/qt_canvas.h"
#include "project/project_state.h"
#include "section/well_symbols.h"

namespace quarrix {
namespace {

constexpr int kTitleCharacters = 30;

QIcon SymbolIcon(int type) {
  QPixmap pixmap(28, 28);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QtCanvas canvas(painter, DeviceInfo{});
  DrawWellSymbol(canvas, type, Point{14, 14}, 18, Rgb{0, 0, 0}, 1);
  return QIcon(pixmap);
}

// A whole number within [low, high]; nothing when the text is not one.
std::optional<long long> Whole(const QLineEdit* edit, long long low, long long high) {
  bool ok = false;
  long long value = edit->text().trimmed().toLongLong(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

WellDialog::WellDialog(WellRecord& well, const std::string& file_name, const ProjectState& project,
                       Prompter& prompter, QWidget* parent)
    : QDialog(parent), well_(well), project_(project), prompter_(prompter) {
  setWindowTitle("Well Parameters");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow("File", new QLabel(QString::fromStdString(file_name), this));
  auto add = [&](const char* label) {
    auto* edit = new QLineEdit(this);
    form->addRow(label, edit);
    return edit;
  };
  line_ = add("Line");
  trace_ = add("Trace");
  x_ = add("X - ");
  y_ = add("Y -");
  depth_ = add("Depth");
  time_ = add("Time");
  title_ = add("Title");
  title_->setMaxLength(kTitleCharacters);
  layout->addLayout(form);
  auto* grid = new QGridLayout;
  symbols_ = new QButtonGroup(this);
  for (int type = 1; type <= kWellSymbolCount; ++type) {
    auto* button = new QToolButton(this);
    button->setCheckable(true);
    button->setIcon(SymbolIcon(type));
    button->setIconSize(QSize(28, 28));
    button->setToolTip(QString("Symbol %1").arg(type));
    symbols_->addButton(button, type);
    grid->addWidget(button, (type - 1) / 6, (type - 1) % 6);
  }
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* calculate = buttons->addButton("Calculate", QDialogButtonBox::ActionRole);
  connect(calculate, &QPushButton::clicked, this, &WellDialog::Calculate);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  ShowRecord(well);
}

QLineEdit* WellDialog::field(const std::string& name) const {
  if (name == "line") return line_;
  if (name == "trace") return trace_;
  if (name == "x") return x_;
  if (name == "y") return y_;
  if (name == "depth") return depth_;
  if (name == "time") return time_;
  return title_;
}

void WellDialog::SelectSymbol(int type) {
  if (QAbstractButton* button = symbols_->button(type)) button->setChecked(true);
}

void WellDialog::ShowRecord(const WellRecord& well) {
  line_->setText(QString::number(well.line));
  trace_->setText(QString::number(well.trace));
  x_->setText(QString::number(well.x));
  y_->setText(QString::number(well.y));
  depth_->setText(QString::number(well.depth));
  time_->setText(QString::number(well.time));
  title_->setText(QString::fromStdString(WellTitle(well)));
  SelectSymbol(well.symbol >= 1 && well.symbol <= kWellSymbolCount ? well.symbol : 1);
}

bool WellDialog::ReadFields(WellRecord& well) {
  constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
  constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();
  auto line = Whole(line_, -32768, 32767), trace = Whole(trace_, -32768, 32767);
  auto depth = Whole(depth_, 0, 65535), time = Whole(time_, 0, 65535);
  auto x = Whole(x_, kInt32Min, kInt32Max), y = Whole(y_, kInt32Min, kInt32Max);
  if (!line || !trace || !depth || !time || !x || !y) {
    prompter_.Tell(
        "Line and trace must be whole numbers from -32768 to 32767, depth and time "
        "from 0 to 65535, and X and Y whole map units.",
        "Warning", MessageIcon::Warning);
    return false;
  }
  well.line = static_cast<std::int16_t>(*line);
  well.trace = static_cast<std::int16_t>(*trace);
  well.depth = static_cast<std::uint16_t>(*depth);
  well.time = static_cast<std::uint16_t>(*time);
  well.x = static_cast<std::int32_t>(*x);
  well.y = static_cast<std::int32_t>(*y);
  SetWellTitle(well, title_->text().toStdString(), kTitleCharacters);
  well.symbol = static_cast<std::int16_t>(symbols_->checkedId() > 0 ? symbols_->checkedId() : 1);
  return true;
}

void WellDialog::Calculate() {
  WellRecord typed = well_;
  if (!ReadFields(typed)) return;
  if (CalculateWellPosition(typed, project_, prompter_)) ShowRecord(typed);
}

void WellDialog::accept() {
  WellRecord typed = well_;
  if (!ReadFields(typed)) return;
  well_ = typed;
  QDialog::accept();
}

}  // namespace quarrix
