#pragma once
// Starts a windowed program's QApplication. Without a display to show windows
// on, the program says so in one line on stderr and ends with status 1, in
// place of Qt's abort and its plugin report.
#include <QApplication>
#include <memory>

namespace quarrix {

std::unique_ptr<QApplication> StartGuiApplication(int& argc, char** argv, const char* program);

}  // namespace quarrix
