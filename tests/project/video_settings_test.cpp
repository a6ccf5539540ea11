// Video settings files: the text format, saving the project's state and applying a file.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/folders.h"
#include "project/pause_table.h"
#include "project/video_settings_commands.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::g;

const std::vector<CaptionFont> kFonts = {{g("黑体"), "/fonts/simhei.ttf"},
                                         {g("楷体"), "/fonts/simkai.ttf"}};

Project projectWithEffects(std::initializer_list<int> effects) {
  Project project;
  for (int effect : effects) {
    ImageItem item;
    item.setEffect(effect);
    item.caption.location = 8;
    project.pictures.push_back(item);
  }
  return project;
}

VideoSettingsRecord roundTrip(const VideoSettingsRecord& record) {
  test::TempDir dir;
  std::string path = fromFsName(dir.file("s.sz")).value();
  EXPECT_TRUE(writeVideoSettings(path, record));
  VideoSettingsRecord read;
  EXPECT_TRUE(readVideoSettings(path, &read));
  return read;
}

TEST(VideoSettingsFile, EmptyProjectText) {
  Project project;
  EXPECT_EQ(videoSettingsText(gatherVideoSettings(project)),
            "animationIndex=-1,-1,-1,-1,-1,-1,-1,-1,-1,-1\nvideoSize=\npauseTime=" +
                pauseLabel(21) +
                "\nbgsound=\ntwOpen=0\ntw=-1|-1|-1,-1|-1|-1,-1|-1|-1,-1|-1|-1,-1|-1|-1,"
                "-1|-1|-1,-1|-1|-1,-1|-1|-1,-1|-1|-1,-1|-1|-1\nlogoOpen=0\nlogoLocation=-1\n"
                "logoPath=\n");
  EXPECT_EQ(withSettingsExtension("a"), "a.sz");
  EXPECT_EQ(withSettingsExtension("b.SZ"), "b.SZ");
  EXPECT_EQ(withSettingsExtension("c.sz.txt"), "c.sz.txt.sz");
}

TEST(VideoSettingsFile, ThreePicturesSavedFivePicturesLoaded) {
  Project saved = projectWithEffects({5, 6, 7});
  saved.settings.captionFont = 1;
  saved.settings.captionColour = 3;
  for (int i = 0; i < 3; ++i) {
    saved.pictures[i].caption.mode = 1;
    saved.pictures[i].caption.location = i;
  }
  saved.pictures[1].caption.mode = 0;
  std::string text = videoSettingsText(gatherVideoSettings(saved));
  EXPECT_NE(text.find("animationIndex=5,6,7,-1,-1,-1,-1,-1,-1,-1\n"), std::string::npos);
  EXPECT_NE(text.find("\ntwOpen=1\ntw=0|1|3,0|0|0,2|1|3,-1|-1|-1,"), std::string::npos);

  Project loaded = projectWithEffects({99, 40, 41, 42, 43});
  loaded.pictures[3].caption.location = 6;
  AppliedVideoSettings applied =
      applyVideoSettingsRecord(loaded, parseVideoSettings(text), kFonts);
  const std::vector<ImageItem>& p = loaded.pictures;
  EXPECT_EQ(p[0].animationIndex, 5);
  EXPECT_EQ(p[1].animationIndex, 6);
  EXPECT_EQ(p[2].animationIndex, 7);
  EXPECT_EQ(p[3].animationIndex, 42) << "effects after the stored ones stay";
  EXPECT_EQ(p[4].animationIndex, 43);
  EXPECT_EQ(p[0].caption.location, 0);
  EXPECT_EQ(p[2].caption.location, 2);
  EXPECT_EQ(p[3].caption.location, 6) << "locations are not copied";
  for (const ImageItem& item : p) {
    EXPECT_EQ(item.caption.mode, 1);
    EXPECT_EQ(item.caption.fontName, g("楷体")) << "the last font chosen applies to all";
  }
  EXPECT_EQ(p[1].caption.textColour, colourScheme(0).text) << "0|0|0 is scheme 0";
  for (int i : {0, 2, 3, 4}) EXPECT_EQ(p[i].caption.textColour, colourScheme(3).text) << i;
  EXPECT_TRUE(applied.captionsOn);
  EXPECT_EQ(applied.fontIndex, 1);
  EXPECT_EQ(applied.colourIndex, 3);
}

TEST(VideoSettingsFile, NegativeFirstIndexLeavesEffects) {
  Project project = projectWithEffects({99, 12, 13});
  VideoSettingsRecord record;
  record.animationIndex[0] = -1;
  record.animationIndex[1] = 50;
  applyVideoSettingsRecord(project, record, kFonts);
  EXPECT_EQ(project.pictures[0].animationIndex, 99);
  EXPECT_EQ(project.pictures[1].animationIndex, 12);
  EXPECT_EQ(project.pictures[2].animationIndex, 13);
}

TEST(VideoSettingsFile, TruncatedListTextsSelectTheirEntriesAgain) {
  Project saved;
  saved.settings.selectSize(saved.sizes, 2);  // " 16:9 ( 480 x  270)"
  saved.settings.selectPause(1);              // "0.12秒"
  VideoSettingsRecord record = roundTrip(gatherVideoSettings(saved));
  EXPECT_EQ(record.videoSize, " 16:9 ( 480 x  ");
  EXPECT_EQ(record.pauseTime, g("0.12秒"));

  Project loaded;
  AppliedVideoSettings applied = applyVideoSettingsRecord(loaded, record, kFonts);
  EXPECT_EQ(applied.sizeIndex, 2);
  EXPECT_EQ(loaded.settings.width, 480);
  EXPECT_EQ(applied.pauseIndex, 1);
  EXPECT_EQ(loaded.settings.pauseFrames, pauseFramesForIndex(1));

  // A text no entry begins with leaves the selection; an empty size selects entry 0.
  record.videoSize = "2000x2000";
  record.pauseTime = "9.9";
  loaded.settings.selectSize(loaded.sizes, 5);
  applied = applyVideoSettingsRecord(loaded, record, kFonts);
  EXPECT_EQ(applied.sizeIndex, 5);
  EXPECT_EQ(applied.pauseIndex, 1);
  record.videoSize.clear();
  EXPECT_EQ(applyVideoSettingsRecord(loaded, record, kFonts).sizeIndex, 0);
}

TEST(VideoSettingsFile, LongLinesAndLinesWithoutEquals) {
  std::string text = "no equals here\n";
  text += "logoPath=/" + std::string(3000, 'a') + "\n";
  text += std::string(5000, 'x') + "\n";
  text += std::string(2000, 'y') + "=twOpen=1\n";  // its "=" lies beyond the used part
  text += "animationIndexanimationIndexanimationIndex=9\n";
  text += "videoSize=  4:3 ( 640 x  480)\r\n";
  text += "animationIndex=1, 2,abc,4\n";
  text += "tw=1|2|3,4|5\n";
  text += "twOpen\n\n=\n";
  text += "logoLocation=99999999999\n";
  text += "pauseTime=" + g("1.4秒") + "\n";
  VideoSettingsRecord r = parseVideoSettings(text);
  EXPECT_EQ(r.logoPath.size(), 259u);
  EXPECT_EQ(r.twOpen, 0);
  EXPECT_EQ(r.videoSize, "  4:3 ( 640 x  ");
  EXPECT_EQ(r.animationIndex[0], 1);
  EXPECT_EQ(r.animationIndex[1], 2);
  EXPECT_EQ(r.animationIndex[2], 0);
  EXPECT_EQ(r.animationIndex[3], 0);
  EXPECT_EQ(r.tw[0].colour, 3);
  EXPECT_EQ(r.tw[1].font, 5);
  EXPECT_EQ(r.tw[2].location, 0);
  EXPECT_EQ(r.logoLocation, INT_MAX);
  EXPECT_EQ(r.pauseTime, g("1.4秒"));

  Project project = projectWithEffects({99, 3});
  applyVideoSettingsRecord(project, r, kFonts);
  EXPECT_FALSE(project.settings.logoOn);
  EXPECT_EQ(project.settings.pauseIndex, 15);
}

TEST(VideoSettingsFile, MusicInTheMp3FolderIsStoredRelativeToIt) {
  const std::string& music = programFolders().music;
  VideoSettingsRecord record;
  record.bgsound = joinPath(music, g("儿歌/小星星.mp3"));
  EXPECT_NE(videoSettingsText(record).find("\nbgsound=" + g("儿歌/小星星.mp3") + "\n"),
            std::string::npos);
  EXPECT_EQ(roundTrip(record).bgsound, record.bgsound);

  record.bgsound = "/srv/music/a=b.mp3";  // absolute, and holding "="
  EXPECT_EQ(roundTrip(record).bgsound, record.bgsound);
  record.bgsound = music + "x/a.mp3";  // a sibling folder whose name starts like mp3
  EXPECT_EQ(roundTrip(record).bgsound, record.bgsound);
  EXPECT_EQ(parseVideoSettings("bgsound=b.mp3\n").bgsound, joinPath(music, "b.mp3"));
}

TEST(VideoSettingsFile, WithoutCaptionFontsCaptionsStayOffAndTheLogoApplies) {
  Project project = projectWithEffects({99, 3});
  project.pictures[0].caption.mode = 1;
  VideoSettingsRecord record;
  record.twOpen = 1;
  record.tw[0] = {2, 0, 4};
  record.logoOpen = 1;
  record.logoLocation = 3;
  record.logoPath = "/logo.png";
  AppliedVideoSettings applied = applyVideoSettingsRecord(project, record, {});
  EXPECT_FALSE(applied.captionsOn);
  EXPECT_EQ(project.pictures[0].caption.mode, 0);
  EXPECT_EQ(project.pictures[0].caption.location, 8);
  EXPECT_TRUE(applied.logoOn);
  EXPECT_EQ(applied.logoLocation, 3);
  EXPECT_EQ(project.settings.logoPath, "/logo.png");

  record.logoOpen = 0;
  applied = applyVideoSettingsRecord(project, record, kFonts);
  EXPECT_FALSE(applied.logoOn);
  EXPECT_EQ(applied.logoLocation, 2);
  EXPECT_TRUE(applied.logoPath.empty());
}

TEST(VideoSettingsCommands, FilesInTheSettingsFolder) {
  ASSERT_TRUE(ensureSettingsFolder(nullptr));
  const std::string& folder = programFolders().settings;
  std::string path = joinPath(folder, g("我的设置.sz"));
  Project project = projectWithEffects({99, 17});
  project.settings.logoOn = true;
  project.settings.logoPath = "/l.png";
  ASSERT_TRUE(saveVideoSettings(project, path, nullptr));

  std::string fsPath = toFsName(path).value();
  auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
  std::filesystem::last_write_time(fsPath, old);
  Project other = projectWithEffects({99, 1, 2});
  AppliedVideoSettings applied;
  ASSERT_TRUE(applyNumberedVideoSettings(other, "1234567" + g("我的设置.sz"), &applied, nullptr));
  EXPECT_GT(std::filesystem::last_write_time(fsPath), old + std::chrono::hours(47));
  EXPECT_EQ(other.pictures[1].animationIndex, 17);
  EXPECT_EQ(applied.logoPath, "/l.png");

  UserMessage error;
  EXPECT_FALSE(applyNumberedVideoSettings(other, "1234567none.sz", &applied, &error));
  EXPECT_EQ(error.text, g("视频设置文件:[") + joinPath(folder, "none.sz") + g("]不存在"));
  EXPECT_EQ(error.caption, g("错误"));
  EXPECT_FALSE(applyVideoSettings(other, folder, &applied, &error));
  EXPECT_EQ(error.text, g("加载视频设置文件出现错误"));
  EXPECT_FALSE(saveVideoSettings(project, joinPath(path, "x.sz"), &error));
  EXPECT_EQ(error.text, g("视频设置相关数据写入文件时出错"));
}

// A settings file never replaces a file the project reads, by any of its names, nor the
// project file; nothing is written before the refusal.
TEST(VideoSettingsCommands, SavingOntoOneOfTheProjectsFilesIsRefused) {
  test::TempDir dir;
  Project project = projectWithEffects({99});
  project.pictures[0].path = dir.file("a.jpg");
  project.settings.coverPath = dir.file("cover.png");
  project.settings.logoPath = dir.file("logo.png");
  project.settings.musicTracks = {{dir.file("m.mp3")}};
  project.path = dir.file("p.dat");
  for (const char* name : {"a.jpg", "cover.png", "logo.png", "m.mp3", "p.dat"})
    test::writeBytes(dir.file(name), name);
  std::filesystem::create_symlink(dir.file("a.jpg"), dir.file("link.sz"));
  for (const char* name : {"a.jpg", "cover.png", "logo.png", "m.mp3", "p.dat", "link.sz"}) {
    SCOPED_TRACE(name);
    std::string before = test::readBytes(dir.file(name));
    UserMessage error;
    EXPECT_FALSE(saveVideoSettings(project, dir.file(name), &error));
    EXPECT_NE(error.text.find(g("保存会覆盖它")), std::string::npos) << utf8(error.text);
    EXPECT_EQ(test::readBytes(dir.file(name)), before);
  }
  EXPECT_TRUE(saveVideoSettings(project, dir.file("own.sz"), nullptr));
}

}  // namespace
}  // namespace pictavo
