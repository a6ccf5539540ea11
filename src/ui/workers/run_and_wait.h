// Runs a worker while the window keeps painting but takes no input, and returns when the
// worker has finished. Work that lasts shows a progress window whose "取消" stops it; the
// window's close handling sees the window disabled and waits too.
#pragma once

#include <QString>

class QWidget;

namespace pictavo {

class ThreadWorker;

void runAndWait(ThreadWorker& worker, QWidget* window, const QString& label);

}  // namespace pictavo
