// Names of FIFOs, devices and huge files given where a picture, logo, cover, music track,
// project or settings file belongs: every reader refuses them at once with a message,
// before a byte is read, and nothing grows in the temporary folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "imaging/image.h"
#include "imaging/image_library.h"
#include "music/mp3_analysis.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/user_file.h"
#include "project/project_file.h"
#include "project/video_settings_file.h"
#include "support/fake_tools.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/charset.h"

namespace pictavo {
namespace {

using Clock = std::chrono::steady_clock;

// Keeps a reader that blocks in open() on the FIFO from hanging the test: after the
// deadline a writer opens the FIFO and closes it again, which ends the reader's wait.
class FifoUnblocker {
 public:
  explicit FifoUnblocker(std::string path) : path_(std::move(path)) {
    thread_ = std::thread([this] {
      std::unique_lock lock(mutex_);
      while (!done_) {
        if (changed_.wait_for(lock, std::chrono::seconds(10)) == std::cv_status::timeout) {
          int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) ::close(fd);
        }
      }
    });
  }
  ~FifoUnblocker() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

 private:
  std::string path_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool done_ = false;
  std::thread thread_;
};

TEST(UserFiles, EveryReaderRefusesAFifoAtOnce) {
  test::TempDir dir;
  std::string fifo = dir.file("named.jpg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FifoUnblocker unblocker(fifo);
  const std::pair<const char*, std::function<bool()>> readers[] = {
      {"picture", [&] { return readPicture(fifo, "#000000") != nullptr; }},
      {"logo header", [&] { PictureHeader h; return probePictureHeader(fifo, &h); }},
      {"picture information", [&] { return !pictureInformation(fifo).empty(); }},
      {"music", [&] { int rate = 0; return analyseMp3(fifo, &rate) > 0; }},
      {"project", [&] { Project p; UserMessage m; return openProject(p, fifo, &m, {}); }},
      {"settings file", [&] { VideoSettingsRecord r; return readVideoSettings(fifo, &r); }},
      {"logo copy", [&] { return copyFile(fifo, dir.file("copy.png")); }},
  };
  for (const auto& [what, read] : readers) {
    SCOPED_TRACE(what);
    auto start = Clock::now();
    EXPECT_FALSE(read());
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2)) << "waited for a writer";
  }
  UserFileOpening opening = openUserFile(fifo);
  EXPECT_EQ(opening.refusal, UserFileRefusal::NotRegular);
  EXPECT_NE(opening.error.find(fifo), std::string::npos);
}

TEST(UserFiles, PictureFileBeyondTheLibrarysLimitIsRefusedUnread) {
  // A real PNG header, then a sparse tail that takes the file past the limit.
  test::TempDir dir;
  std::string path = dir.file("huge.png");
  WandPtr small = test::solidPicture(8, 8, "#336699");
  MagickSetImageFormat(small.get(), "PNG");
  ASSERT_TRUE(writeImageFile(small.get(), path));
  ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxPictureFileBytes + 1)), 0);
  std::string error;
  EXPECT_FALSE(readPicture(path, "#000000", &error));
  EXPECT_NE(error.find(test::g("文件太大")), std::string::npos) << utf8(error);
  PictureHeader header;
  EXPECT_FALSE(probePictureHeader(path, &header));
}

TEST(UserFiles, InfoAndFrameRefuseDevicesAndFifosWithoutFillingTheDisk) {
  test::TempDir dir;
  std::string fifo = dir.file("fifo.jpg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  test::writeSolidPicture(dir.file("in.jpg"), 32, 32, "#808080", "JPEG");
  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  auto tempBefore = test::tempFolderEntries();
  for (const std::string& input : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo}) {
    for (const std::string& command : {"info " + test::shellQuote(input),
                                       "frame " + test::shellQuote(input) + " " +
                                           test::shellQuote(dir.file("out.jpg"))}) {
      SCOPED_TRACE(command);
      // `timeout` bounds the old behaviour: an endless read or an open that never returns.
      auto run = test::runCommand("timeout -s KILL 10 " + test::shellQuote(PICTAVO_CLI_PATH) + " " +
                                  command);
      EXPECT_EQ(run.exitCode, 1) << run.output;
      EXPECT_NE(run.output.find(input), std::string::npos) << run.output;
    }
  }
  // Nor does a FIFO without a reader as the output.
  auto run = test::runCommand("timeout -s KILL 10 " + test::shellQuote(PICTAVO_CLI_PATH) + " frame " +
                              test::shellQuote(dir.file("in.jpg")) + " " + test::shellQuote(fifo));
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_EQ(test::tempFolderEntries(), tempBefore) << "the image library spilled to disk";
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.jpg")));
}

}  // namespace
}  // namespace pictavo
