// Runs a worker while the window keeps painting (and showing progress) but takes no input;
// returns when the worker has finished. The window's close handling sees it disabled and
// waits too.
#pragma once

class QWidget;

namespace pictavo {

class ThreadWorker;

void runAndWait(ThreadWorker& worker, QWidget* window);

}  // namespace pictavo
