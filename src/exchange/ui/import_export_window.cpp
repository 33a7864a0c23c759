#include "exchange/ui/import_export_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "exchange/ascii_export.h"
#include "exchange/sheet_print.h"
#include "exchange/ui/export_horizon_dialog.h"
#include "exchange/ui/well_choice_dialogs.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/print_job.h"
#include "platform/ui/qt_canvas.h"
#include "platform/ui/qt_progress.h"
#include "platform/ui/spreadsheet_grid.h"
#include "project/project_state.h"

namespace quarrix {

using namespace sheet_command;

// The document's sheet as the grid sees it: the sheet's full size (the
// records' count in virtual mode), typed cells going through the edit history.
class ImportExportWindow::SheetSource : public CellTextSource {
 public:
  explicit SheetSource(ImportExportDocument& doc) : doc_(doc) {}
  int Rows() const override {
    const SheetTable& t = doc_.table;
    return t.virtual_mode() ? t.UsedRows() : std::max(t.max_rows(), t.UsedRows());
  }
  int Columns() const override {
    const SheetTable& t = doc_.table;
    return t.virtual_mode() ? std::max(t.UsedColumns(), 1)
                            : std::max(t.max_columns(), t.UsedColumns());
  }
  std::string Heading(int column) const override { return doc_.table.Heading(column); }
  std::string CellText(int row, int column) const override { return doc_.table.Cell(row, column); }
  bool CellEditable(int, int) const override { return !doc_.table.virtual_mode(); }
  bool SetCellText(int row, int column, const std::string& text) override {
    if (doc_.table.virtual_mode()) return false;
    doc_.history.EditCell(doc_.table, row, column, text);
    return true;
  }

 private:
  ImportExportDocument& doc_;
};

ImportExportWindow::ImportExportWindow(const ProjectState& project, Prompter* prompter,
                                       QWidget* parent)
    : QMainWindow(parent),
      project_(project),
      source_(std::make_unique<SheetSource>(doc_)),
      grid_(new SpreadsheetGrid(this)),
      commands_(new CommandHost(this, prompter)) {
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  // The window's page of the program's help, for F1.
  setProperty("help_page", "import_export.html");
  setWindowTitle(QString::fromStdString(doc_.title));
  grid_->SetEditableSource(*source_);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  setCentralWidget(grid_);
  ImportExportContext context{
      project_,
      commands_->prompter(),
      [this](const std::string& title) -> std::unique_ptr<Progress> {
        return std::make_unique<QtProgress>(this, QString::fromStdString(title));
      },
      [this] { SheetChanged(); },
      [this](int id) { WindowCommand(id); },
      [this](const std::string&, const std::vector<std::string>& names, bool multiple) {
        return ChooseNames(names, multiple);
      },
      [this](const std::string& group, WellAttributes& attributes) {
        return EditGroupAttributes(group, attributes);
      },
      WellAttributes{}};
  commands_->Install(ImportExportCommands(doc_, context));
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { FollowSelection(); });
  connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { FollowSelection(); });
  connect(grid_->model(), &QAbstractItemModel::dataChanged, commands_, &CommandHost::Refresh);
  grid_->SetActiveCell({1, 1});
  resize(900, 600);
}

ImportExportWindow::~ImportExportWindow() {
  // The grid reads the sheet until it goes, so it goes first.
  delete grid_;
}

void ImportExportWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  emit closed();
}

void ImportExportWindow::Dispatch(int command_id) {
  commands_->Dispatch(command_id);
}

void ImportExportWindow::WindowCommand(int id) {
  switch (id) {
    case kCut: CopySelection(true); break;
    case kCopy: CopySelection(false); break;
    case kPaste: PasteClipboard(); break;
    case kExportAscii: ExportAscii(); break;
    case kExportAsciiHorizon: ExportHorizon(); break;
    case kPrint: PrintSheet(); break;
    case kExit: close(); break;
    case kHelpImport:
      if (show_help) show_help(this);
      break;
    default: break;
  }
}

void ImportExportWindow::SheetChanged() {
  // A reset of the model (a new size) drops the selection model's signals'
  // state but keeps the connections; the active cell is put back.
  const SheetCell active{doc_.active_row, doc_.active_column};
  grid_->Refresh();
  for (int c = 1; c <= source_->Columns(); ++c)
    grid_->setColumnHidden(c - 1, doc_.hidden_columns.contains(c));
  if (grid_->ActiveCell() != active && active.row <= source_->Rows() &&
      active.column <= source_->Columns())
    grid_->SetActiveCell(active);
  setWindowTitle(QString::fromStdString(doc_.title));
  commands_->Refresh();
}

void ImportExportWindow::FollowSelection() {
  SheetCell active = grid_->ActiveCell();
  if (active.row > 0) {
    doc_.active_row = active.row;
    doc_.active_column = active.column;
  }
  const QItemSelection selection = grid_->selectionModel()->selection();
  if (selection.isEmpty()) {
    doc_.selection = {};
  } else {
    const QItemSelectionRange& range = selection.first();
    doc_.selection = {range.top() + 1, range.left() + 1, range.bottom() + 1, range.right() + 1};
  }
  commands_->Refresh();
}

void ImportExportWindow::CopySelection(bool cut) {
  const SheetBlock block = doc_.Selected();
  QApplication::clipboard()->setText(QString::fromStdString(doc_.table.BlockText(
      block.first_row, block.first_column, block.last_row, block.last_column)));
  if (cut && !doc_.table.virtual_mode()) {
    doc_.history.Clear(doc_.table, block);
    SheetChanged();
  }
}

void ImportExportWindow::PasteClipboard() {
  if (doc_.table.virtual_mode()) return;
  const SheetBlock at = doc_.Selected();
  const SheetBlock pasted = doc_.history.Paste(doc_.table, at.first_row, at.first_column,
                                               QApplication::clipboard()->text().toStdString());
  SheetChanged();
  if (pasted.empty()) return;
  // The pasted block becomes the selection, as in any table.
  auto* model = grid_->model();
  grid_->selectionModel()->select(
      QItemSelection(model->index(pasted.first_row - 1, pasted.first_column - 1),
                     model->index(pasted.last_row - 1, pasted.last_column - 1)),
      QItemSelectionModel::ClearAndSelect);
}

void ImportExportWindow::ExportAscii() {
  QDialog dialog(this);
  dialog.setWindowTitle("Export Ascii");
  dialog.setProperty("help_page", "export_ascii.html");
  auto* layout = new QVBoxLayout(&dialog);
  auto* delimiters = new QButtonGroup(&dialog);
  auto* delimiter_box = new QGroupBox(&dialog);
  auto* delimiter_layout = new QVBoxLayout(delimiter_box);
  const std::pair<const char*, char> kDelimiters[] = {
      {"Space Delimited", ' '}, {"Comma Delimited", ','}, {"Tab Delimited", '\t'}};
  for (const auto& [text, delimiter] : kDelimiters) {
    auto* button = new QRadioButton(text, delimiter_box);
    button->setChecked(delimiter == export_delimiter_);
    delimiters->addButton(button, delimiter);
    delimiter_layout->addWidget(button);
  }
  layout->addWidget(delimiter_box);
  auto* name_row = new QHBoxLayout;
  auto* name = new QLineEdit(&dialog);
  name->setObjectName("Export File Name");
  name->setPlaceholderText("Export File Name");
  auto* browse = new QPushButton("Browse", &dialog);
  name_row->addWidget(name);
  name_row->addWidget(browse);
  layout->addLayout(name_row);
  connect(browse, &QPushButton::clicked, &dialog, [this, name] {
    if (auto path =
            commands_->prompter().SaveFile({.title = "Export Save File Name",
                                            .filter_names = {"Text Files(*.txt)"},
                                            .filter_patterns = {"*.txt"},
                                            .initial_directory = DirectoryOf(project_.header_path),
                                            .must_exist = false,
                                            .prompt_overwrite = true}))
      name->setText(QString::fromStdString(*path));
  });
  auto* all = new QRadioButton("Output All ", &dialog);
  auto* selected = new QRadioButton("Output Selected", &dialog);
  (export_selected_ ? selected : all)->setChecked(true);
  layout->addWidget(all);
  layout->addWidget(selected);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (!run_dialog(dialog) || name->text().isEmpty()) return;
  export_delimiter_ = static_cast<char>(delimiters->checkedId());
  export_selected_ = selected->isChecked();
  SheetBlock block{1, 1, doc_.table.UsedRows(), doc_.table.UsedColumns()};
  if (export_selected_) block = doc_.Selected();
  ExportSheetAscii(doc_.table, block, name->text().toStdString(), export_delimiter_,
                   commands_->prompter());
}

void ImportExportWindow::ExportHorizon() {
  ExportHorizonDialog dialog(project_, commands_->prompter(), this);
  if (!run_dialog(dialog)) return;
  ExportAsciiHorizon(project_, dialog.horizon_path(), dialog.output_path(), dialog.options(),
                     commands_->prompter());
}

std::optional<std::vector<std::string>> ImportExportWindow::ChooseNames(
    const std::vector<std::string>& names, bool multiple) {
  WellListDialog dialog(names, multiple, this);
  if (!run_dialog(dialog)) return std::nullopt;
  return dialog.Chosen();
}

bool ImportExportWindow::EditGroupAttributes(const std::string& group, WellAttributes& attributes) {
  WellGroupAttributesDialog dialog(group, attributes, commands_->prompter(), this);
  if (!run_dialog(dialog)) return false;
  attributes = dialog.attributes();
  return true;
}

bool ImportExportWindow::AskPrintOptions() {
  QDialog dialog(this);
  dialog.setWindowTitle("Spreadsheet Print Options");
  dialog.setProperty("help_page", "spreadsheet_print_options.html");
  auto* layout = new QVBoxLayout(&dialog);
  auto* range = new QGroupBox("Print", &dialog);
  auto* range_layout = new QVBoxLayout(range);
  auto* all = new QRadioButton("All", range);
  auto* selected = new QRadioButton("Selection", range);
  selected->setObjectName("Selection");
  (print_options_.selection_only ? selected : all)->setChecked(true);
  range_layout->addWidget(all);
  range_layout->addWidget(selected);
  layout->addWidget(range);
  auto check = [&](const char* text, bool on) {
    auto* box = new QCheckBox(text, &dialog);
    box->setObjectName(text);
    box->setChecked(on);
    layout->addWidget(box);
    return box;
  };
  QCheckBox* headings = check("Column Headings", print_options_.headings);
  QCheckBox* row_numbers = check("Row Numbers", print_options_.row_numbers);
  QCheckBox* grid_lines = check("Grid Lines", print_options_.grid_lines);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (!run_dialog(dialog)) return false;
  print_options_ = {selected->isChecked(), headings->isChecked(), row_numbers->isChecked(),
                    grid_lines->isChecked()};
  return true;
}

void ImportExportWindow::PrintSheet() {
  if (!AskPrintOptions()) return;
  QPrinter printer;
  if (!print_pages && !ChoosePrinter(this, printer)) return;
  const double dpi = printer.resolution();
  const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
  const Rect area{0, 0, paper.width(), paper.height()};
  const SheetBlock block = print_options_.selection_only
                               ? doc_.Selected()
                               : SheetBlock{1, 1, doc_.table.UsedRows(), doc_.table.UsedColumns()};
  // Fonts are sized in pixels, so a scratch image measures as the printer draws.
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter measuring(&scratch);
  QtCanvas measure(measuring, DeviceInfo{.ppi_x = dpi, .ppi_y = dpi, .printing = true});
  const std::vector<SheetPage> pages =
      PlanSheetPages(measure, area, doc_.table, block, doc_.hidden_columns, print_options_);
  measuring.end();
  if (pages.empty()) {
    commands_->prompter().Tell("There are no cells to print.", "Print");
    return;
  }
  if (print_pages) {
    print_pages(pages, area);
    return;
  }
  std::vector<DrawPlot> draws;
  for (const SheetPage& page : pages)
    draws.push_back([this, page, area](Canvas& canvas) {
      DrawSheetPage(canvas, area, doc_.table, page, print_options_);
    });
  PrintPages(printer, windowTitle(), draws);
}

}  // namespace quarrix
