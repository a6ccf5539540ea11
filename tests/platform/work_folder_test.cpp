// Work folders of processes sharing one program folder: each process removes only its own,
// and what a process that ended abruptly left is removed by the next one once its lock is free.
#include "platform/work_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/folders.h"
#include "support/held_folder.h"
#include "support/test_files.h"
#include "util/paths.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

TEST(WorkFolder, EachProcessRemovesOnlyItsOwnAndTheAbandonedOnes) {
  std::string error;
  ASSERT_TRUE(ensureProgramFolders(&error)) << error;
  std::string shared = *toFsName(programFolders().sharedTemp);
  test::TempDir outside;
  test::writeBytes(outside.file("keep.jpg"), "x");
  test::HeldFolder running(shared + "/4242-1700000000");
  ASSERT_TRUE(running.held());
  test::writeBytes(shared + "/4242-1700000000/frame.jpg", "x");
  fs::create_directories(shared + "/77-1600000000-2");  // a process that crashed
  test::writeBytes(shared + "/77-1600000000-2/frame.jpg", "x");
  fs::create_directory_symlink(outside.path(), shared + "/78-1600000000");  // a hostile link
  test::writeBytes(shared + "/cover.jpg", "x");  // a command-line run's loose file
  fs::create_directories(shared + "/not-a-work-folder");

  ASSERT_TRUE(claimOwnWorkFolder(&error)) << error;
  std::string own = *toFsName(programFolders().temp);
  EXPECT_EQ(fs::path(own).parent_path(), fs::path(shared));
  EXPECT_TRUE(fs::is_directory(own));
  ASSERT_TRUE(claimOwnWorkFolder(&error)) << "a second claim keeps the folder";
  EXPECT_EQ(*toFsName(programFolders().temp), own);
  EXPECT_FALSE(fs::exists(shared + "/77-1600000000-2"));
  EXPECT_TRUE(fs::exists(shared + "/4242-1700000000/frame.jpg"));
  EXPECT_TRUE(fs::exists(outside.file("keep.jpg")));
  EXPECT_TRUE(fs::exists(shared + "/cover.jpg"));
  EXPECT_TRUE(fs::exists(shared + "/not-a-work-folder"));
  EXPECT_EQ(removeAbandonedWorkFolders(programFolders().sharedTemp), 0) << "its own is held";

  test::writeBytes(own + "/frame.jpg", "x");
  releaseOwnWorkFolder();
  EXPECT_FALSE(fs::exists(own));
  EXPECT_EQ(programFolders().temp, programFolders().sharedTemp);
  EXPECT_TRUE(fs::exists(shared + "/4242-1700000000/frame.jpg"));
  EXPECT_TRUE(fs::exists(shared + "/cover.jpg"));
  for (const char* name : {"4242-1700000000", "78-1600000000", "cover.jpg", "not-a-work-folder"})
    fs::remove_all(shared + "/" + name);
}

}  // namespace
}  // namespace pictavo
