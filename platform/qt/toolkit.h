#pragma once

// Starting Qt the way the program runs: one QApplication, Qt's own texts in Spanish, Spanish
// as the default locale, and no quitting when a window closes (the program ends when its
// application object says so).

#include <QApplication>

#include <memory>

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv);
