#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files.h"
#include "platform/folders.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"

namespace pictavo {
namespace {

TEST(PathHelpers, NamesAndExtensions) {
  EXPECT_EQ(baseName("/a/b/c.tar.gz"), "c.tar.gz");
  EXPECT_EQ(baseName("plain"), "plain");
  EXPECT_EQ(folderOf("/a/b/c.jpg"), "/a/b");
  EXPECT_EQ(folderOf("/c.jpg"), "/");
  EXPECT_EQ(extensionOf("/a.b/c"), "");
  EXPECT_EQ(extensionOf("/a/b/c.tar.gz"), "gz");
  EXPECT_EQ(stemOf("/photos/a.b.jpg"), "a.b");
  EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
  EXPECT_EQ(joinPath("/a", "b"), "/a/b");
  EXPECT_TRUE(endsWithNoCase("clip.MP4", ".mp4"));
  EXPECT_FALSE(endsWithNoCase("mp4", ".mp4"));
  EXPECT_TRUE(isInsideFolder("/home/u/temp/x.jpg", "/home/u/temp"));
  EXPECT_TRUE(isInsideFolder("/home/u/temp/x.jpg", "/home/u/temp/"));
  EXPECT_FALSE(isInsideFolder("/home/u/temporary/x.jpg", "/home/u/temp"));
}

TEST(PathHelpers, FileSystemNamesRoundTripThroughGbk) {
  std::string gbkPath = gbk("/tmp/相册/照片.jpg");
  ASSERT_TRUE(toFsName(gbkPath).has_value());
  EXPECT_EQ(*toFsName(gbkPath), "/tmp/相册/照片.jpg");
  EXPECT_EQ(fromFsName("/tmp/相册/照片.jpg").value(), gbkPath);
  EXPECT_FALSE(toFsName("/tmp/\x81").has_value());
}

// The program folder follows PICTAVO_HOME, and a name that is not valid UTF-8 is refused.
TEST(ProgramFolders, FollowTheEnvironment) {
  const char* saved = std::getenv("PICTAVO_HOME");
  std::string original = saved ? saved : "";
  test::TempDir dir;
  std::string home = dir.file("数据");
  setenv("PICTAVO_HOME", home.c_str(), 1);
  resetProgramFolders();
  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  EXPECT_EQ(programFolders().program, fromFsName(home).value());
  EXPECT_TRUE(folderExists(programFolders().temp));
  EXPECT_TRUE(folderExists(programFolders().pics));
  EXPECT_EQ(baseName(programFolders().projects), gbk("我的项目"));

  setenv("PICTAVO_HOME", dir.file("bad\xFF").c_str(), 1);
  resetProgramFolders();
  EXPECT_FALSE(ensureProgramFolders(&error));
  EXPECT_NE(utf8(error).find("无法处理的字符"), std::string::npos);

  setenv("PICTAVO_HOME", original.c_str(), 1);
  resetProgramFolders();
}

TEST(Files, AtomicReplaceKeepsTheOldFileOnFailure) {
  test::TempDir dir;
  std::string path = fromFsName(dir.file("a.txt")).value();
  ASSERT_TRUE(writeWholeFile(path, "old"));
  ASSERT_TRUE(replaceFileAtomically(path, "new"));
  EXPECT_EQ(readWholeFile(path).value(), "new");
  // A target in a missing folder cannot be replaced; nothing is left behind.
  EXPECT_FALSE(replaceFileAtomically(fromFsName(dir.file("none/a.txt")).value(), "x"));
  EXPECT_EQ(test::readBytes(dir.file("a.txt")), "new");
}

TEST(InfoLog, KeepsMessagesUntilASinkArrives) {
  takeKeptInfoMessages();
  infoLog("one");
  infoLog("two");
  std::vector<std::string> seen;
  setInfoSink([&](const std::string& m) { seen.push_back(m); });
  infoLog("three");
  setInfoSink(nullptr);
  EXPECT_EQ(seen, (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_TRUE(takeKeptInfoMessages().empty());
}

}  // namespace
}  // namespace pictavo
