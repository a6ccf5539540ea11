#include "net/error_report.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "net/http_client.h"
#include "net/http_url.h"
#include "net/service_paths.h"
#include "platform/error_log.h"
#include "platform/system_info.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

// How long the program's end waits for queued reports.
constexpr int kExitGraceMs = 5000;

struct Report {
  std::string address, name, text;
};

// GBK text for the network: UTF-8, or the text as it is when it cannot be converted.
std::string forNetwork(const std::string& gbkText) {
  return gb18030ToUtf8(gbkText).value_or(gbkText);
}

// A report posted to an "https:" address never follows a redirect to plain HTTP.
HttpResponse post(const Report& report, const std::function<bool()>& stopping) {
  HttpRequest request;
  request.url = report.address;
  request.httpsOnly = startsWithNoCase(report.address, "https:");
  request.cancelled = stopping;
  request.postBody =
      "os=" + urlEncode(systemVersion()) + "&name=" + urlEncode(forNetwork(report.name)) +
      "&text=" + urlEncode(forNetwork(report.text)) + strprintf("&v=%0.1f", kProgramVersion);
  return webRequest(request);
}

// The queue and its one sender thread, started with the first report. At exit, after a
// short grace, the report being sent is cancelled and everything unsent goes to errors.log.
class ReportSender {
 public:
  ~ReportSender() {
    {
      // Reports still queued at exit get a moment to go out, then the rest is logged.
      std::unique_lock lock(mutex_);
      idle_.wait_for(lock, std::chrono::milliseconds(kExitGraceMs),
                     [this] { return queue_.empty() && !sending_; });
      stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
  }

  void push(Report report) {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(report));
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
    wake_.notify_all();
  }

  void flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !sending_; });
  }

 private:
  void run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      Report report = std::move(queue_.front());
      queue_.pop_front();
      sending_ = true;
      bool stop = stopping_;
      lock.unlock();
      HttpResponse response;
      if (!stop) response = post(report, [this] { return stopping_.load(); });
      if (!response.ok)
        appendErrorLog(report.name, report.text, stop ? std::string() : response.error);
      lock.lock();
      sending_ = false;
      idle_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::deque<Report> queue_;
  bool sending_ = false;
  std::atomic<bool> stopping_{false};
  std::thread worker_;
};

ReportSender& sender() {
  static ReportSender instance;
  return instance;
}

}  // namespace

bool reportError(const std::string& name, const std::string& text) {
  std::string address = serviceAddress(serviceSettings(), kErrorReportPath);
  if (address.empty()) {
    appendErrorLog(name, text, "");
    return false;
  }
  sender().push({address, name, text});
  return true;
}

void flushErrorReports() { sender().flush(); }

}  // namespace pictavo
