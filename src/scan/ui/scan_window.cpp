#include "scan/ui/scan_window.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "horizon/horizon_location.h"
#include "map/ui/map_choices.h"
#include "platform/interaction_tool.h"
#include "platform/prompter.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_progress.h"
#include "scan/scan_drawing.h"
#include "scan/scan_files.h"
#include "scan/scan_tool.h"
#include "scan/scanner_source.h"
#include "scan/ui/scan_dialogs.h"

namespace quarrix {
namespace {

// Passes the mouse to the digitising tool and refreshes the window's marks
// after every step (a mode may have ended).
class RefreshingTool : public InteractionTool {
 public:
  RefreshingTool(std::unique_ptr<InteractionTool> inner, std::function<void()> after)
      : inner_(std::move(inner)), after_(std::move(after)) {}
  ToolEffect Press(Point p, unsigned keys) override { return After(inner_->Press(p, keys)); }
  ToolEffect Move(Point p, unsigned keys) override { return inner_->Move(p, keys); }
  ToolEffect Release(Point p, unsigned keys) override { return After(inner_->Release(p, keys)); }
  ToolEffect Escape() override { return After(inner_->Escape()); }

 private:
  ToolEffect After(ToolEffect effect) {
    after_();
    return effect;
  }
  std::unique_ptr<InteractionTool> inner_;
  std::function<void()> after_;
};

}  // namespace

ScanContourWindow::ScanContourWindow(ScanContourContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(std::move(context)),
      document_(NewScanDocument(context_.header, context_.placement, context_.project_folder)),
      commands_(new CommandHost(this, context_.prompter)),
      prompter_(&commands_->prompter()),
      view_(new PlotView(this)),
      status_(new QLabel(this)),
      corners_box_(new QDialog(this)),
      corners_text_(new QLabel(corners_box_)) {
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  document_.project_files = context_.project_files;
  document_.colour_sets = context_.colour_sets;
  setProperty("help_page", "scan_contour.html");
  setAttribute(Qt::WA_DeleteOnClose);
  setCentralWidget(view_);
  statusBar()->addWidget(status_, 1);
  corners_box_->setWindowTitle("Select Corners");
  corners_box_->setModal(false);
  (new QVBoxLayout(corners_box_))->addWidget(corners_text_);
  view_->SetPlot(
      [this](Canvas& canvas, Progress*) -> std::any { return DrawScan(canvas, document_); },
      [this](const DeviceInfo&) {
        const Point size = ScanDrawingSize(document_);
        return QSizeF(size.x, size.y);
      });
  tool_ = std::make_unique<RefreshingTool>(
      std::make_unique<ScanMouseTool>(document_,
                                      [this](const std::string& text) {
                                        prompter_->Tell(text, "Select Corners",
                                                        MessageIcon::Warning);
                                      }),
      [this] { Refresh(); });
  view_->SetTool(tool_.get());
  view_->installEventFilter(this);
  connect(view_, &PlotView::notice, status_, &QLabel::setText);
  actions_ = Actions();
  commands_->Install(ScanCommands(document_, actions_));
  resize(900, 700);
  Changed();
}

ScanContourWindow::~ScanContourWindow() {
  view_->SetTool(nullptr);
}

ScanActions ScanContourWindow::Actions() {
  ScanActions a;
  a.prompter = prompter_;
  a.changed = [this] { Changed(); };
  a.status = [this](const std::string& text) { status_->setText(QString::fromStdString(text)); };
  a.progress = [this]() -> std::unique_ptr<Progress> {
    return std::make_unique<QtProgress>(this, "Gridding Data");
  };
  a.contour = [this] { return AskContourValue(); };
  a.open_bitmap = [this] { OpenBitmap(); };
  a.select_source = [this] { SelectSource(); };
  a.acquire = [this] { Acquire(); };
  a.exit = [this] { close(); };
  a.colours = [this] { ChooseColours(); };
  a.options = [this] { ChooseOptions(); };
  a.scale = [this] { ChooseScale(); };
  a.wells = [this] { ChooseWells(); };
  a.help = [this] {
    if (context_.show_help) context_.show_help(this);
  };
  return a;
}

bool ScanContourWindow::Dispatch(int id) {
  return commands_->Dispatch(id);
}

void ScanContourWindow::Changed() {
  Refresh();
  view_->Redraw();
}

void ScanContourWindow::Refresh() {
  setWindowTitle(QString::fromStdString(ScanCaption(document_)));
  ShowModeBox();
  commands_->Refresh();
}

// The modeless "Select Corners" box says which corner to click; the status
// line says what the other modes expect.
void ScanContourWindow::ShowModeBox() {
  const QString prompt = QString::fromStdString(ScanModePrompt(document_));
  const bool corners =
      document_.mode == ScanMode::UpperLeftCorner || document_.mode == ScanMode::LowerRightCorner;
  if (corners) {
    corners_text_->setText(prompt);
    if (!corners_box_->isVisible()) {
      corners_box_->show();
      corners_box_->move(mapToGlobal(QPoint(width() - corners_box_->width() - 20, 60)));
    }
  } else if (corners_box_->isVisible()) {
    corners_box_->hide();
    view_->horizontalScrollBar()->setValue(0);  // back to the origin after registering
    view_->verticalScrollBar()->setValue(0);
  }
  if (!prompt.isEmpty()) status_->setText(prompt);
  view_->setFocus();
}

bool ScanContourWindow::OpenScanFile(const QString& path) {
  if (path.endsWith(".bmp", Qt::CaseInsensitive) || path.endsWith(".dib", Qt::CaseInsensitive))
    return OpenScanBitmap(document_, path.toStdString(), *prompter_);
  QImageReader reader(path);
  const QSize size = reader.size();
  if (size.isValid()) {
    if (const std::string problem = ScanSizeProblem(size.width(), size.height());
        !problem.empty()) {
      prompter_->Tell(problem, "Error", MessageIcon::Error);
      return false;
    }
  }
  QImage image = reader.read();
  if (image.isNull()) {
    prompter_->Tell("Cannot read the image (" + reader.errorString().toStdString() + "):\n" +
                        path.toStdString(),
                    "Error", MessageIcon::Error);
    return false;
  }
  image = image.convertToFormat(QImage::Format_RGB888);
  std::vector<Rgb> pixels;
  pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x)
      pixels.push_back({line[3 * x], line[3 * x + 1], line[3 * x + 2]});
  }
  return SetScanPixels(document_, image.width(), image.height(), pixels, path.toStdString(),
                       *prompter_);
}

void ScanContourWindow::OpenBitmap() {
  const FileDialogRequest request{
      .title = "Open Bitmap",
      .filter_names = {"Scans (*.bmp *.png *.tif *.tiff *.jpg *.jpeg)", "Bitmaps (*.bmp)",
                       "All Files (*.*)"},
      .filter_patterns = {"*.bmp;*.png;*.tif;*.tiff;*.jpg;*.jpeg", "*.bmp", "*.*"},
      .initial_directory = context_.project_folder};
  if (std::optional<std::string> path = prompter_->OpenFile(request))
    OpenScanFile(QString::fromStdString(*path));
}

void ScanContourWindow::SelectSource() {
  std::string problem;
  const std::vector<ScannerDevice> devices = ListScanners(problem);
  if (devices.empty()) {
    prompter_->Tell(problem, "Select Source", MessageIcon::Warning);
    return;
  }
  ScannerSourceDialog dialog(devices, source_, this);
  if (run_dialog(dialog)) source_ = dialog.chosen();
}

void ScanContourWindow::Acquire() {
  if (source_.empty()) SelectSource();
  if (!source_.empty()) AcquireFrom(source_);
}

bool ScanContourWindow::AcquireFrom(const std::string& device) {
  ScannedPage page;
  std::string problem;
  bool acquired = false;
  {
    QtProgress progress(this, "Acquire");
    acquired = AcquirePage(device, page, problem, progress);
  }
  if (!acquired) {
    prompter_->Tell(problem, "Acquire", MessageIcon::Warning);
    return false;
  }
  return SetScanPixels(document_, page.width, page.height, page.pixels, "Scanner " + device,
                       *prompter_);
}

std::optional<std::int16_t> ScanContourWindow::AskContourValue() {
  ContourValueDialog dialog(document_.contour_value, *prompter_, this);
  if (!run_dialog(dialog)) return std::nullopt;
  return dialog.value();
}

// "Select Color Scheme", "Map Options" and "Select Wells" are the map
// windows' own dialogs, so the grid and wells look here as they do there.
void ScanContourWindow::ChooseColours() {
  ColourSchemeChoice choice{document_.colour_scheme, false};
  if (!ChooseColourScheme(this, document_.colour_sets, false, choice, run_dialog)) return;
  ApplyScanColourScheme(document_, choice, *prompter_);
}

void ScanContourWindow::ChooseOptions() {
  ChooseMapOptions(this, document_.options, run_dialog);
}

void ScanContourWindow::ChooseWells() {
  std::vector<std::string> names = ListFilesWithExtension(context_.project_folder, "wll");
  for (const std::string& group : ListFilesWithExtension(context_.project_folder, "lgv"))
    names.push_back(group);
  SelectWellsDialog dialog(names, document_.well_names, this, document_.label_wells,
                           document_.options.well_symbol_inches);
  if (!run_dialog(dialog)) return;
  document_.options.well_symbol_inches = dialog.symbol_inches();
  if (const std::string unread = SetScanWells(document_, dialog.chosen(), dialog.label());
      !unread.empty())
    prompter_->Tell(unread, "Select Wells", MessageIcon::Warning);
}

void ScanContourWindow::ChooseScale() {
  QInputDialog dialog(this);
  dialog.setWindowTitle("Scale");
  dialog.setProperty("help_page", "scan_contour.html");
  dialog.setInputMode(QInputDialog::DoubleInput);
  dialog.setLabelText("Scale of the scan (percent)");
  dialog.setDoubleRange(10, 400);
  dialog.setDoubleDecimals(0);
  dialog.setDoubleValue(document_.scale * 100);
  if (!run_dialog(dialog)) return;
  if (const std::string problem = SetScanScale(document_, dialog.doubleValue()); !problem.empty())
    prompter_->Tell(problem, "Scale", MessageIcon::Warning);
}

void ScanContourWindow::closeEvent(QCloseEvent* event) {
  if (!MayDiscardScanWork(document_, *prompter_)) {
    event->ignore();  // the save was cancelled or failed: the work stays
    return;
  }
  corners_box_->hide();
  event->accept();
}

// Home and End scroll to the top and the bottom; the arrow keys and Page
// Up/Down scroll through the view's scroll bars.
bool ScanContourWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    QScrollBar* bar = view_->verticalScrollBar();
    if (key->key() == Qt::Key_Home) {
      bar->setValue(bar->minimum());
      return true;
    }
    if (key->key() == Qt::Key_End) {
      bar->setValue(bar->maximum());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quarrix
