#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_identity.h"
#include "support/test_files.h"

namespace pictavo {
namespace {

TEST(SameFile, EveryNameOfOneFileAndNothingElse) {
  test::TempDir dir;
  test::writeBytes(dir.file("a.jpg"), "picture");
  test::writeBytes(dir.file("b.jpg"), "picture");  // same bytes, another file
  std::filesystem::create_directory(dir.file("sub"));
  std::filesystem::create_hard_link(dir.file("a.jpg"), dir.file("hard.mp4"));
  std::filesystem::create_symlink(dir.file("a.jpg"), dir.file("soft.mp4"));
  struct Case {
    std::string first, second;
    bool same;
  };
  const Case cases[] = {
      {dir.file("a.jpg"), dir.file("a.jpg"), true},
      {dir.file("a.jpg"), dir.file("sub/../a.jpg"), true},
      {dir.file("a.jpg"), dir.file("hard.mp4"), true},
      {dir.file("a.jpg"), dir.file("soft.mp4"), true},
      {dir.file("a.jpg"), dir.file("b.jpg"), false},
      {dir.file("new.mp4"), dir.file("./sub/../new.mp4"), true},  // neither exists yet
      {dir.file("new.mp4"), dir.file("other.mp4"), false},
      {dir.file("new.mp4"), dir.file("a.jpg"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sameFile(c.first, c.second), c.same) << c.first << " | " << c.second;
    EXPECT_EQ(sameFile(c.second, c.first), c.same) << c.second << " | " << c.first;
  }
}

}  // namespace
}  // namespace pictavo
