#pragma once

#include <memory>

class QApplication;

// The program's application object, always laid out left to right. Where there is no display
// to open the window on, says so in one plain line and ends the program with status 1.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);
