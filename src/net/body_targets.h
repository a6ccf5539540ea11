// Where the HTTP client keeps a response body: in memory (webRequest) or in a file
// (webDownloadToFile). A target is reused by every attempt of one request (retries and
// redirects): each attempt begins it afresh, then finishes or abandons it.
#pragma once

#include <string>

#include "platform/files.h"

namespace pictavo {

// Where the bytes of a body go as they arrive.
class BodySink {
 public:
  virtual ~BodySink() = default;
  // The body's announced length (-1 when unknown), before any data.
  virtual void expect(long long length) { (void)length; }
  // False when the bytes cannot be stored (a failed file write).
  virtual bool write(const char* data, size_t length) = 0;
};

class BodyTarget {
 public:
  virtual ~BodyTarget() = default;
  virtual bool isDownload() const = 0;
  // The sink for this attempt's body; null when it cannot be opened.
  virtual BodySink* begin() = 0;
  // The body is complete; false when it could not be stored after all.
  virtual bool finish() = 0;
  // The attempt failed or was redirected: drop what it stored.
  virtual void abandon() = 0;
};

class MemoryTarget : public BodyTarget, public BodySink {
 public:
  explicit MemoryTarget(long long limit) : limit_(limit) {}
  bool isDownload() const override { return false; }
  BodySink* begin() override;
  bool finish() override { return true; }
  void abandon() override { body_ = std::string(); }

  void expect(long long length) override;
  bool write(const char* data, size_t length) override;

  // The body, without spare room when that is large.
  std::string takeBody();

 private:
  long long limit_;
  bool lengthKnown_ = false;
  std::string body_;
};

class FileTarget : public BodyTarget, public BodySink {
 public:
  explicit FileTarget(std::string gbkPath) : path_(std::move(gbkPath)) {}
  ~FileTarget() override;
  bool isDownload() const override { return true; }
  BodySink* begin() override;
  bool finish() override;
  void abandon() override;

  bool write(const char* data, size_t length) override;

 private:
  std::string path_;
  FilePtr file_;
};

}  // namespace pictavo
