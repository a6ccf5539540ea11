#include "net/project_import_sink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "net/picture_list_download.h"
#include "net_fixture.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/picture_list.h"
#include "support/test_files.h"
#include "support/test_http_server.h"
#include "util/paths.h"

namespace pictavo {
namespace {

class ProjectImportSinkTest : public test::NetTest {};

TEST_F(ProjectImportSinkTest, AddsDownloadedPicturesToTheProject) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("p.png"), 40, 30, "red", "PNG");
  std::string png = test::readBytes(dir.file("p.png"));
  test::TestHttpServer server([&](const test::ReceivedRequest& r, test::ServerConnection& c) {
    c.send(test::okResponse(r.path == "/good.png" ? png : std::string("not a picture")));
  });
  std::string temp = programFolders().temp;
  auto filesInTemp = [&] {
    makeFolders(temp);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(*toFsName(temp))) {
      (void)entry;
      ++files;
    }
    return files;
  };
  int before = filesInTemp();
  Project project;
  project.maxPictures = 2;
  ProjectImportSink sink(project);
  ImportResult result;
  std::vector<std::string> list{server.url("/good.png"), server.url("/bad.jpg"),
                                server.url("/good.png"), server.url("/good.png")};
  downloadPictureList(list, sink, &result);

  ASSERT_EQ(project.pictures.size(), 2u);
  EXPECT_EQ(result.added, 2);
  for (const ImageItem& item : project.pictures) EXPECT_TRUE(isInsideFolder(item.path, temp));
  ASSERT_EQ(result.notices.size(), 1u);
  EXPECT_EQ(result.notices[0].text, pictureLimitMessage(project));
  // The file that was no picture is not left behind in the temporary folder.
  EXPECT_EQ(filesInTemp(), before + 2);
  EXPECT_EQ(takeKeptInfoMessages().size(), 1u);  // the unreadable download
  for (const ImageItem& item : project.pictures) removeFile(item.path);
}

}  // namespace
}  // namespace pictavo
