#include "cli/terminal_progress.h"

#include <cstdio>

#include "cli/cli_support.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/time_text.h"
#include "util/translate.h"

namespace pictavo::cli {

std::string progressLine(int done, int total, double elapsedSeconds) {
  constexpr int kBarWidth = 30;
  int percent = total > 0 ? done * 100 / total : 0;
  int filled = total > 0 ? done * kBarWidth / total : 0;
  std::string bar = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "]";
  std::string left = "--:--:--";
  if (done > 0 && total >= done) left = timeText(elapsedSeconds / done * (total - done));
  return localFormat("%s %3d%%  %d/%d  剩余 %s", bar.c_str(), percent, done, total, left.c_str());
}

void TerminalProgress::draw(int done, int total) {
  double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  std::string line = utf8(progressLine(done, total, elapsed));
  std::fprintf(stderr, "\r%s", line.c_str());
  std::fflush(stderr);
  lineOpen_ = true;
}

void TerminalProgress::picture(int number, int total) {
  std::lock_guard lock(mutex_);
  // A second attempt through standard input starts again at picture 1.
  if (number < lastNumber_) started_ = std::chrono::steady_clock::now();
  lastNumber_ = number;
  total_ = total;
  draw(number - 1, total);
}

void TerminalProgress::closeLine() {
  if (lineOpen_) std::fputc('\n', stderr);
  lineOpen_ = false;
}

void TerminalProgress::report(const std::string& text, std::optional<RunEnd> end) {
  std::lock_guard lock(mutex_);
  closeLine();
  complain(text);
  if (end) end_ = *end;
}

void TerminalProgress::finished() {
  std::lock_guard lock(mutex_);
  if (total_ > 0) draw(total_, total_);
  closeLine();
  end_ = RunEnd::Finished;
}

void TerminalProgress::cancelled() { report(localText("已停止。"), RunEnd::Cancelled); }

void TerminalProgress::failed(const std::string& message) {
  report(localFormat("错误: %s", message.c_str()), RunEnd::Failed);
}

void TerminalProgress::warning(const std::string& message) {
  report(localFormat("提示: %s", message.c_str()), std::nullopt);
}

RunEnd TerminalProgress::end() const {
  std::lock_guard lock(mutex_);
  return end_;
}

}  // namespace pictavo::cli
