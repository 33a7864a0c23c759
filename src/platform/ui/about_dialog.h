#pragma once
// The programs' "About" box: a caption, a few lines of text and OK, run
// through the owner's dialog runner (which places it and fits its caption).
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace quarrix {

void RunAboutDialog(QWidget* owner, const QString& caption, const QString& text,
                    const std::function<bool(QDialog&)>& run_dialog);

}  // namespace quarrix
