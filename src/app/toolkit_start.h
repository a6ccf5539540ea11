// Starting the window toolkit. A display that cannot be opened (DISPLAY naming no X server,
// a broken Wayland socket, no usable platform plugin) makes the toolkit end the process with
// abort(), which the crash guard would record and report as a crash. While the application
// object is built, such a fatal toolkit message instead says that the display cannot be
// opened and ends the process with exit status 1.
#pragma once

#include <QApplication>

#include <memory>

namespace pictavo {

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv);

}  // namespace pictavo
