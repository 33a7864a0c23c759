#include "platform/ui/open_plot_bitmap.h"

#include <QImage>

#include "platform/plot_file_dialogs.h"
#include "platform/prompter.h"
#include "platform/ui/plot_view.h"

namespace quarrix {

void OpenPlotBitmap(PlotView& view, Prompter& prompter, const std::string& project_dir) {
  auto path = ChooseBitmapToOpen(prompter, project_dir);
  if (!path) return;
  QImage image(QString::fromStdString(*path));
  if (image.isNull()) {
    prompter.Tell("Cannot read the bitmap " + *path, "Error", MessageIcon::Error);
    return;
  }
  view.ShowImage(image);
}

}  // namespace quarrix
