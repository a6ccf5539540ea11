// Files that are not what they claim, damaged or hostile: each gets its message, nothing
// crashes, and nothing is written outside the program's own folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "imaging/image.h"
#include "project/picture_list.h"
#include "project/effect_choice.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"

namespace pictavo {
namespace {

uint32_t crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

std::string pngChunk(const std::string& type, const std::string& data) {
  return be32(static_cast<uint32_t>(data.size())) + type + data + be32(crc32(type + data));
}

// A valid PNG header that declares width x height pixels, with a tiny (bogus) data chunk.
std::string pngDeclaring(uint32_t width, uint32_t height) {
  std::string ihdr = be32(width) + be32(height) + std::string("\x08\x02\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) +
         pngChunk("IDAT", std::string("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9)) +
         pngChunk("IEND", "");
}

std::set<std::string> listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

class HostileInput : public testing::Test {
 protected:
  void SetUp() override {
    takeKeptInfoMessages();
    seedEffectChoice(7);
  }

  // Adds the file to a fresh project; returns whether it was added and the log it left.
  bool add(const std::string& fsName, std::string* log) {
    Project project;
    bool added = addPicture(project, fromFsName(dir.file(fsName)).value());
    log->clear();
    for (const std::string& m : takeKeptInfoMessages()) *log += utf8(m);
    return added;
  }

  test::TempDir dir;
};

TEST_F(HostileInput, ZeroByteFileIsNotAPicture) {
  test::writeBytes(dir.file("empty.jpg"), "");
  std::string log, error;
  EXPECT_FALSE(add("empty.jpg", &log));
  EXPECT_NE(log.find("无法识别的图片:\r\n"), std::string::npos) << log;
  EXPECT_EQ(readPicture(fromFsName(dir.file("empty.jpg")).value(), "#000000", &error), nullptr);
  EXPECT_NE(utf8(error).find("MagickReadImage() 发生错误"), std::string::npos);
}

TEST_F(HostileInput, TextFileNamedJpg) {
  test::writeBytes(dir.file("notes.jpg"), "these are not pixels\n");
  std::string log;
  EXPECT_FALSE(add("notes.jpg", &log));
  EXPECT_NE(log.find("无法识别的图片"), std::string::npos) << log;
}

TEST_F(HostileInput, TruncatedJpegIsTakenWithAWarning) {
  test::writeSolidPicture(dir.file("whole.jpg"), 400, 300, "#3366cc", "JPEG");
  std::string whole = test::readBytes(dir.file("whole.jpg"));
  test::writeBytes(dir.file("cut.jpg"), whole.substr(0, whole.size() / 2));
  std::string log;
  EXPECT_TRUE(add("cut.jpg", &log));
  EXPECT_NE(log.find("图片数据不完整"), std::string::npos) << log;
  // Cut inside its header, it cannot be decoded at all.
  test::writeBytes(dir.file("header.jpg"), whole.substr(0, 20));
  EXPECT_FALSE(add("header.jpg", &log));
  EXPECT_NE(log.find("图片读取失败"), std::string::npos) << log;
}

// The PNG coder fails on a file cut inside its data without a reason of its own; the user
// still gets one.
TEST_F(HostileInput, TruncatedPngSaysWhatIsWrong) {
  WandPtr noise(NewMagickWand());
  MagickSetSize(noise.get(), 200, 150);
  ASSERT_TRUE(MagickReadImage(noise.get(), "plasma:fractal"));
  MagickSetImageFormat(noise.get(), "PNG");
  size_t length = 0;
  unsigned char* blob = MagickGetImageBlob(noise.get(), &length);
  std::string whole(reinterpret_cast<char*>(blob), length);
  MagickRelinquishMemory(blob);
  for (size_t cut : {length / 2, length - 20}) {
    SCOPED_TRACE(cut);
    test::writeBytes(dir.file("cut.png"), whole.substr(0, cut));
    std::string path = fromFsName(dir.file("cut.png")).value();
    std::string error;
    EXPECT_EQ(readPicture(path, "#000000", &error), nullptr);
    EXPECT_NE(utf8(error).find("不完整"), std::string::npos) << utf8(error);
  }
}

TEST_F(HostileInput, DecompressionBombIsRefusedBeforeDecoding) {
  test::writeBytes(dir.file("bomb.png"), pngDeclaring(30000, 30000));
  std::string log, error;
  EXPECT_FALSE(add("bomb.png", &log));
  EXPECT_NE(log.find("图片读取失败"), std::string::npos) << log;
  EXPECT_EQ(readPicture(fromFsName(dir.file("bomb.png")).value(), "#000000", &error), nullptr);
  EXPECT_NE(utf8(error).find("30000 x 30000"), std::string::npos) << utf8(error);
  // Within the side limits but beyond the pixel total.
  test::writeBytes(dir.file("wide.png"), pngDeclaring(16000, 16000));
  EXPECT_FALSE(add("wide.png", &log));
}

TEST_F(HostileInput, AnimatedGifIsRefused) {
  test::writeGif(dir.file("moving.gif"), 2, 20);
  std::string log;
  EXPECT_FALSE(add("moving.gif", &log));
  EXPECT_NE(log.find("不支持gif动画图片"), std::string::npos) << log;
}

// A name that looks like an image-library coder prefix is just a file name: the file is
// read for its content and neither deleted ("ephemeral:") nor run as a script ("msl:").
TEST_F(HostileInput, CoderPrefixesInFileNamesMeanNothing) {
  std::filesystem::create_directory(dir.file("msl:x"));
  test::writeSolidPicture(dir.file("ephemeral:photo.jpg"), 32, 24, "#ff0000", "JPEG");
  test::writeBytes(dir.file("msl:x/script.jpg"),
                   "<?xml version=\"1.0\"?><image><read filename=\"logo:\"/>"
                   "<write filename=\"" + dir.file("written.png") + "\"/></image>");
  std::set<std::string> before = listing(dir.path());

  WandPtr read = readPicture(fromFsName(dir.file("ephemeral:photo.jpg")).value(), "#000000");
  ASSERT_TRUE(read);
  EXPECT_TRUE(test::near(test::pixelAt(read.get(), 5, 5), {255, 0, 0}, 16));
  std::string log;
  EXPECT_FALSE(add("msl:x/script.jpg", &log));
  EXPECT_EQ(readPicture(fromFsName(dir.file("msl:x/script.jpg")).value(), "#000000"), nullptr);
  EXPECT_EQ(listing(dir.path()), before);
}

TEST_F(HostileInput, ChineseFolderAndFileNames) {
  std::filesystem::create_directory(dir.file("我的相册 2024"));
  test::writeSolidPicture(dir.file("我的相册 2024/照片.png"), 30, 20, "#00ff00", "PNG");
  Project project;
  std::string path = fromFsName(dir.file("我的相册 2024/照片.png")).value();
  ASSERT_TRUE(addPicture(project, path));
  EXPECT_EQ(project.pictures[0].fileName, gbk("照片.png"));
  EXPECT_EQ(project.pictures[0].path, path);
  EXPECT_TRUE(readPicture(path, "#000000"));
}

TEST_F(HostileInput, NameThatIsNotUtf8IsRefusedNotMangled) {
  EXPECT_FALSE(fromFsName(dir.file("photo\xFF\xFE.png")).has_value());
  EXPECT_NE(utf8(unsupportedNameMessage("photo\xFF\xFE.png")).find("photo??"), std::string::npos);
}

TEST_F(HostileInput, MissingFileIsUnreadable) {
  std::string log;
  EXPECT_FALSE(add("nowhere.jpg", &log));
  EXPECT_NE(log.find("图片读取失败:\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace pictavo
