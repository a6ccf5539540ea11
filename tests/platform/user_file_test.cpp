// FIFOs, devices and huge files named where a picture, logo, cover, music track, project or
// settings file belongs: every reader refuses them at once, before a byte is read, and every
// writer refuses anything but a regular file before it writes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/sysmacros.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "imaging/image.h"
#include "imaging/image_library.h"
#include "music/mp3_analysis.h"
#include "platform/folders.h"
#include "platform/user_file.h"
#include "project/project_file.h"
#include "project/video_settings_commands.h"
#include "project/video_settings_file.h"
#include "support/fake_tools.h"
#include "support/recording_observer.h"
#include "support/run_command.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "video/generation_run.h"

namespace pictavo {
namespace {

TEST(UserFiles, EveryReaderRefusesAFifoAtOnce) {
  test::TempDir dir;
  std::string fifo = dir.file("named.jpg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A reader stuck in open() is freed after 10 s by a writer that comes and goes.
  std::jthread unblocker([&](std::stop_token stop) {
    for (int tick = 0; !stop.stop_requested(); ++tick) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (tick % 200 == 199) ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
  });
  const std::pair<const char*, std::function<bool()>> readers[] = {
      {"picture", [&] { return readPicture(fifo, "#000000") != nullptr; }},
      {"logo header", [&] { PictureHeader h; return probePictureHeader(fifo, &h); }},
      {"music", [&] { int rate = 0; return analyseMp3(fifo, &rate) > 0; }},
      {"project", [&] { Project p; UserMessage m; return openProject(p, fifo, &m, {}); }},
      {"settings file", [&] { VideoSettingsRecord r; return readVideoSettings(fifo, &r); }},
      {"logo copy", [&] { return copyFile(fifo, dir.file("copy.png")); }},
  };
  for (const auto& [what, read] : readers) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(read()) << what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << what;
  }
  EXPECT_EQ(openUserFile(fifo).refusal, UserFileRefusal::NotRegular);
  std::string why;
  EXPECT_EQ(classifyPicture(fifo, &why), PictureKind::Unreadable);
  EXPECT_EQ(why, test::g("这不是一个普通文件 (可能是设备或管道)，不能读取: ") + fifo);
}

// A video, project or settings file is never written into a FIFO (that waits for a reader),
// a folder or a device, nor does a new file take its place.
TEST(UserFiles, EveryWriterRefusesATargetThatIsNotARegularFile) {
  test::TempDir dir;
  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  Project project;
  ImageItem item;
  item.path = dir.file("a.jpg");
  test::writeSolidPicture(item.path, 32, 24, "#808080", "JPEG");
  project.pictures.push_back(item);
  using Kind = bool (*)(const std::filesystem::path&);
  std::vector<std::pair<std::string, Kind>> targets = {
      {dir.file("fifo"), std::filesystem::is_fifo}, {dir.file("folder"), std::filesystem::is_directory}};
  ASSERT_EQ(::mkfifo(targets[0].first.c_str(), 0600), 0);
  std::filesystem::create_directory(targets[1].first);
  // A copy of /dev/null where the system allows making one (root, usually).
  if (::mknod(dir.file("device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
    targets.push_back({dir.file("device"), std::filesystem::is_character_file});
  const std::pair<const char*, std::function<std::string(const std::string&)>> writers[] = {
      {"project", [&](const std::string& path) {
         UserMessage m;
         return saveProject(project, path, &m) ? "" : m.text;
       }},
      {"settings file", [&](const std::string& path) {
         UserMessage m;
         return saveVideoSettings(project, path, &m) ? "" : m.text;
       }},
      {"video", [&](const std::string& path) {
         test::RecordingObserver observer;
         std::string refusal;
         return GenerationRun(project, Preferences(), path, -1, observer).start(&refusal) ? "" : refusal;
       }},
  };
  for (const auto& [target, isStill] : targets) {
    for (const auto& [what, write] : writers) {
      SCOPED_TRACE(target + " as " + what);
      auto start = std::chrono::steady_clock::now();
      std::string refusal = write(target);
      EXPECT_EQ(refusal, test::g("这不是一个普通文件 (可能是文件夹、设备或管道)，不能写入: ") + target);
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
      EXPECT_TRUE(isStill(target));
    }
    EXPECT_FALSE(replaceFileAtomically(target, "data")) << target;
    EXPECT_TRUE(isStill(target));
  }
}

TEST(UserFiles, PictureFileBeyondTheLibrarysLimitIsRefusedUnread) {
  test::TempDir dir;
  std::string path = dir.file("huge.png");
  test::writeSolidPicture(path, 8, 8, "#336699", "PNG");
  ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxPictureFileBytes + 1)), 0);  // sparse
  std::string error;
  EXPECT_FALSE(readPicture(path, "#000000", &error));
  EXPECT_NE(error.find(test::g("文件太大")), std::string::npos) << utf8(error);
}

TEST(UserFiles, InfoAndFrameRefuseDevicesAndFifosWithoutFillingTheDisk) {
  test::TempDir dir;
  std::string fifo = dir.file("fifo.jpg"), picture = dir.file("in.jpg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  test::writeSolidPicture(picture, 32, 32, "#808080", "JPEG");
  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  auto tempBefore = test::tempFolderEntries();
  auto q = test::shellQuote;
  for (const std::string& input : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo}) {
    for (const std::string& command :
         {"info " + q(input), "frame " + q(input) + " " + q(dir.file("out.jpg"))}) {
      // `timeout` bounds a read that never ends or an open that never returns.
      auto run = test::runCommand("timeout -s KILL 10 " + q(PICTAVO_CLI_PATH) + " " + command);
      EXPECT_EQ(run.exitCode, 1) << command << "\n" << run.output;
      EXPECT_NE(run.output.find(input), std::string::npos) << run.output;
    }
  }
  // Nor does it wait for a reader of a FIFO named as the output.
  auto run = test::runCommand("timeout -s KILL 10 " + q(PICTAVO_CLI_PATH) + " frame " + q(picture) + " " + q(fifo));
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_EQ(test::tempFolderEntries(), tempBefore) << "the image library spilled to disk";
}

}  // namespace
}  // namespace pictavo
