// Saving and opening project files, and the changed test built on them.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "effects/effect_names.h"
#include "music/track_analysis.h"
#include "platform/folders.h"
#include "project/picture_list.h"
#include "project/project_file.h"
#include "support/make_audio.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

using test::g;

std::string gbkPath(const std::string& fsPath) { return fromFsName(fsPath).value(); }

std::string picture(const test::TempDir& dir, const std::string& name, const char* colour) {
  test::writeSolidPicture(dir.file(name), 32, 24, colour, "PNG");
  return gbkPath(dir.file(name));
}

std::string mp3(const test::TempDir& dir, const std::string& name) {
  std::string out = dir.file(name);
  EXPECT_EQ(test::makeSineAudio(out, 1.0, "-ar 44100 -b:a 128k -c:a libmp3lame -f mp3"), "");
  return gbkPath(out);
}

// A project with two pictures (one with a Chinese name), captions, a custom size and music.
Project sampleProject(const test::TempDir& dir) {
  Project project;
  EXPECT_TRUE(addPicture(project, picture(dir, "red.png", "red")));
  EXPECT_TRUE(addPicture(project, picture(dir, "照片一.png", "blue")));
  project.pictures[1].setEffect(57);
  project.pictures[1].caption.location = 7;
  project.pictures[1].caption.text = g("春天的花");
  project.pictures[1].turnAngle = 90;
  ProjectSettings& s = project.settings;
  s.captionsOn = true;
  s.captionColour = 3;
  s.logoOn = true;
  s.logoPath = g("/没有/标志.png");
  s.logoLocation = 1;
  s.autoPause = true;
  s.selectSize(project.sizes, project.sizes.addCustom(1000, 600));
  s.selectPause(15);
  std::string track = mp3(dir, "歌.mp3");
  s.musicTracks.push_back({track, 1000, 44100});
  return project;
}

TEST(ProjectFile, SavedProjectReopensToTheSameBytes) {
  test::TempDir dir;
  Project project = sampleProject(dir);
  std::string path = gbkPath(dir.file("album.dat"));
  UserMessage error;
  ASSERT_TRUE(saveProject(project, path, &error)) << utf8(error.text);
  EXPECT_EQ(project.path, path);
  EXPECT_EQ(project.title(), "album.dat");
  EXPECT_FALSE(projectChanged(project));

  std::string bytes = test::readBytes(dir.file("album.dat"));
  EXPECT_NE(bytes.find(g("照片一.png")), std::string::npos) << "GBK bytes unescaped";
  EXPECT_NE(bytes.find("\t\"video_size\":\t\"1000x600\""), std::string::npos);
  EXPECT_NE(bytes.find("\"turnAngle\":\t90"), std::string::npos);

  Project reopened;  // its size list does not hold 1000x600 yet
  UserMessage message;
  ASSERT_TRUE(openProject(reopened, path, &message, withMp3Analysis())) << utf8(message.text);
  EXPECT_EQ(reopened.path, path);
  EXPECT_EQ(projectDocument(reopened), bytes);
  EXPECT_FALSE(projectChanged(reopened));
  ASSERT_EQ(reopened.pictures.size(), 2u);
  const ImageItem& second = reopened.pictures[1];
  EXPECT_EQ(second.animationIndex, 57);
  EXPECT_EQ(second.caption.text, g("春天的花"));
  EXPECT_EQ(second.caption.mode, 1);
  EXPECT_EQ(second.caption.textColour, colourScheme(3).text);
  EXPECT_EQ(reopened.settings.width, 1000);
  ASSERT_EQ(reopened.settings.musicTracks.size(), 1u);
  EXPECT_EQ(reopened.settings.musicTracks[0].sampleRate, 44100);
  EXPECT_GT(reopened.settings.musicTracks[0].durationMs, 900);
}

// The file keeps the Chinese effect names and every other byte whatever language the
// program speaks: a project saved under one opens and saves identically under another.
TEST(ProjectFile, LanguageChangesNoStoredByte) {
  test::TempDir dir;
  std::string locales = joinPath(resourceFolder(), "locale");
  Project project = sampleProject(dir);
  std::string path = gbkPath(dir.file("album.dat"));
  UserMessage error;
  ASSERT_TRUE(saveProject(project, path, &error)) << utf8(error.text);
  std::string bytes = test::readBytes(dir.file("album.dat"));
  EXPECT_NE(bytes.find(effectName(57)), std::string::npos);

  for (Language language : {Language::English, Language::TraditionalChinese}) {
    useLanguage(language, locales);
    ASSERT_NE(effectShownName(effectName(57)), effectName(57)) << "the catalog is not loaded";
    Project reopened;
    UserMessage message;
    ASSERT_TRUE(openProject(reopened, path, &message, withMp3Analysis())) << utf8(message.text);
    EXPECT_FALSE(projectChanged(reopened));
    std::string again = gbkPath(dir.file("again.dat"));
    ASSERT_TRUE(saveProject(reopened, again, &error)) << utf8(error.text);
    EXPECT_EQ(test::readBytes(dir.file("again.dat")), bytes);
  }
  useLanguage(Language::SimplifiedChinese, locales);
}

TEST(ProjectFile, DocumentLayout) {
  Project project;
  std::string text = projectDocument(project);
  EXPECT_NE(text.find("\"bgsound_items\":\t[]"), std::string::npos);
  EXPECT_NE(text.find("\"imgs\":\t[]"), std::string::npos);
  EXPECT_NE(text.find("\"video_size\":\t\"\""), std::string::npos);
  const char* order[] = {"text_watermark", "text_watermark_font", "text_watermark_font_size",
                         "text_watermark_color", "logo", "logo_path", "logo_location",
                         "bgsound", "bgsound_auto_set_pause_time",
                         "bgsound_auto_set_image_loop_play", "cover", "cover_path",
                         "video_size", "pause_time", "bgsound_items", "imgs"};
  size_t last = 0;
  for (const char* key : order) {
    size_t at = text.find("\"" + std::string(key) + "\":");
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
}

// A file of an earlier version, whose text was GBK: Chinese names, the euro sign as its
// single byte 0x80 and a character whose second byte is a backslash. It opens with every
// picture and saves again to the very same bytes.
TEST(ProjectFile, EarlierVersionsGbkFileSavesToTheSameBytes) {
  test::TempDir dir;
  test::writeSolidPicture(dir.file("照片一.jpg"), 32, 24, "red", "JPEG");
  test::writeSolidPicture(dir.file("€ 价格.jpg"), 32, 24, "blue", "JPEG");
  const std::string folder = gbkPath(dir.path());
  auto picture = [&](const std::string& name) {
    return "{\n\t\t\t\"path\":\t\"" + folder + "/" + name + "\",\n\t\t\t\"animationIndex\":\t57,\n"
           "\t\t\t\"animationName\":\t\"\xb7\xe7\xb3\xb5\",\n\t\t\t\"fileName\":\t\"" + name + "\",\n"
           "\t\t\t\"watermark_location\":\t4,\n"
           "\t\t\t\"watermark_text\":\t\"\xb4\xba\xcc\xec\xb5\xc4\xbb\xa8 \x80 \x81\\\\\",\n"
           "\t\t\t\"turnAngle\":\t0\n\t\t}";
  };
  const std::string earlier =
      "{\n\t\"text_watermark\":\t1,\n\t\"text_watermark_font\":\t0,\n\t\"text_watermark_font_size\":\t8,\n"
      "\t\"text_watermark_color\":\t8,\n\t\"logo\":\t0,\n\t\"logo_path\":\t\"\",\n\t\"logo_location\":\t2,\n"
      "\t\"bgsound\":\t1,\n\t\"bgsound_auto_set_pause_time\":\t0,\n\t\"bgsound_auto_set_image_loop_play\":\t0,\n"
      "\t\"cover\":\t0,\n\t\"cover_path\":\t\"\",\n\t\"video_size\":\t\"160x128\",\n\t\"pause_time\":\t3,\n"
      "\t\"bgsound_items\":\t[],\n\t\"imgs\":\t[" +
      picture("\xd5\xd5\xc6\xac\xd2\xbb.jpg") + ", " + picture("\x80 \xbc\xdb\xb8\xf1.jpg") + "]\n}";
  test::writeBytes(dir.file("earlier.dat"), earlier);

  Project project;
  UserMessage message;
  ASSERT_TRUE(openProject(project, gbkPath(dir.file("earlier.dat")), &message, withMp3Analysis())) << utf8(message.text);
  ASSERT_EQ(project.pictures.size(), 2u);
  EXPECT_EQ(project.pictures[1].caption.text, "\xb4\xba\xcc\xec\xb5\xc4\xbb\xa8 \x80 \x81\\");
  EXPECT_FALSE(projectChanged(project));
  ASSERT_TRUE(saveProject(project, gbkPath(dir.file("again.dat")), &message)) << utf8(message.text);
  EXPECT_EQ(test::readBytes(dir.file("again.dat")), earlier);
}

TEST(ProjectFile, TemporaryPicturesAreCopiedIntoPics) {
  test::TempDir dir;
  const ProgramFolders& folders = programFolders();
  std::filesystem::create_directories(toFsName(folders.temp).value());
  std::string kept = joinPath(folders.temp, "import.png");
  test::writeSolidPicture(toFsName(kept).value(), 16, 16, "green", "PNG");
  Project project;
  ASSERT_TRUE(addPicture(project, kept));
  ASSERT_TRUE(saveProject(project, gbkPath(dir.file("p.dat")), nullptr));

  const ImageItem& item = project.pictures[0];
  EXPECT_TRUE(isInsideFolder(item.path, folders.pics));
  EXPECT_TRUE(std::regex_match(item.fileName, std::regex(R"(\d{4}(-\d\d){5}-\d{5}\.png)")))
      << item.fileName;
  EXPECT_EQ(item.fileName, baseName(item.path));
  EXPECT_TRUE(std::filesystem::exists(toFsName(kept).value())) << "the temporary file stays";
  EXPECT_EQ(test::readBytes(toFsName(item.path).value()),
            test::readBytes(toFsName(kept).value()));
  EXPECT_FALSE(projectChanged(project));
}

TEST(ProjectFile, FailedCopyIsReported) {
  const ProgramFolders& folders = programFolders();
  Project project;
  project.pictures.push_back(ImageItem{});
  project.pictures[0].path = joinPath(folders.temp, "gone.png");
  UserMessage error;
  EXPECT_FALSE(serialiseProject(project, true, &error));
  EXPECT_EQ(error.caption, g("错误"));
  EXPECT_EQ(error.text.rfind(g("图片 '") + project.pictures[0].path + "'", 0), 0u);
  EXPECT_NE(error.text.find(g("' 发生错误, 请联系客服。")), std::string::npos);
}

TEST(ProjectChanged, FollowsTheFileOnDisk) {
  test::TempDir dir;
  Project project;
  EXPECT_FALSE(projectChanged(project)) << "no pictures";
  ASSERT_TRUE(addPicture(project, picture(dir, "a.png", "red")));
  EXPECT_TRUE(projectChanged(project)) << "never saved";
  ASSERT_TRUE(saveProject(project, gbkPath(dir.file("p.dat")), nullptr));
  EXPECT_FALSE(projectChanged(project));
  project.pictures[0].caption.text = "x";
  EXPECT_TRUE(projectChanged(project));
  project.pictures[0].caption.text.clear();
  EXPECT_FALSE(projectChanged(project)) << "an undone edit";
  std::filesystem::remove(dir.file("p.dat"));
  EXPECT_TRUE(projectChanged(project)) << "file gone";
}

// The file is compared as a project, not as bytes: the same project written with other line
// endings, without blanks, in another key order or without the keys that have defaults is
// unchanged; a file whose project differs is not.
TEST(ProjectChanged, ComparesTheProjectTheFileHoldsNotItsBytes) {
  test::TempDir dir;
  Project project = sampleProject(dir);
  std::string path = gbkPath(dir.file("album.dat"));
  ASSERT_TRUE(saveProject(project, path, nullptr));
  const std::string saved = test::readBytes(dir.file("album.dat"));
  auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    return text;
  };
  std::string compact = replaced(replaced(saved, "\n", ""), "\t", "");
  struct Case {
    const char* name;
    std::string text;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"CRLF line endings", replaced(saved, "\n", "\r\n"), false},
      {"no blanks", compact, false},
      {"keys in another order",
       "{\"pause_time\":15," + replaced(compact.substr(1), ",\"pause_time\":15", ""), false},
      {"defaults left out",
       replaced(replaced(compact, ",\"turnAngle\":0", ""), ",\"cover\":0", ""), false},
      {"another caption", replaced(saved, g("春天的花"), g("夏天")), true},
      {"a picture less", compact.substr(0, compact.rfind(',', compact.rfind("{\"path\""))) + "]}",
       true},
      {"not a project", "{}", true},
  };
  for (const Case& c : cases) {
    test::writeBytes(dir.file("album.dat"), c.text);
    EXPECT_EQ(projectChanged(project), c.changed) << c.name;
  }
}

// Opening -----------------------------------------------------------------------------------

struct Opened {
  bool ok;
  UserMessage message;
  Project project;
};

Opened openText(const test::TempDir& dir, const std::string& text) {
  test::writeBytes(dir.file("in.dat"), text);
  Opened result;
  result.ok = openProject(result.project, gbkPath(dir.file("in.dat")), &result.message,
                          withMp3Analysis());
  return result;
}

std::string minimalDocument(const std::string& extra, const std::string& imgs = "[]") {
  return "{\"text_watermark\":0,\"text_watermark_font\":0,\"text_watermark_color\":8,"
         "\"logo\":0,\"logo_location\":2,\"bgsound\":1,\"bgsound_auto_set_pause_time\":0,"
         "\"video_size\":\"\",\"pause_time\":21" +
         extra + ",\"imgs\":" + imgs + "}";
}

// Framing and motion are keys older files lack: written only away from their defaults, read
// back as saved, and a value out of range reads as the default.
TEST(OpenProject, FramingAndMotionKeysRoundTrip) {
  test::TempDir dir;
  const std::string red = picture(dir, "red.png", "#ff0000");
  Opened opened = openText(dir, minimalDocument(",\"motion\":1,\"motion_strength\":15,\"framing\":2",
                                                "[{\"path\":\"" + red + "\",\"motion\":5}]"));
  ASSERT_TRUE(opened.ok) << utf8(opened.message.text);
  const ProjectSettings& s = opened.project.settings;
  EXPECT_EQ(s.motion, Motion::Auto);
  EXPECT_EQ(s.motionStrength, 15);
  EXPECT_EQ(s.framing, Framing::Blur);
  ASSERT_EQ(opened.project.pictures.size(), 1u);
  EXPECT_EQ(opened.project.pictures[0].motion, static_cast<int>(Motion::PanRight));
  std::string saved = projectDocument(opened.project);
  EXPECT_EQ(projectDocument(openText(dir, saved).project), saved);

  Opened wrong = openText(dir, minimalDocument(",\"motion\":8,\"motion_strength\":30,\"framing\":-1",
                                               "[{\"path\":\"" + red + "\",\"motion\":99}]"));
  ASSERT_TRUE(wrong.ok);
  EXPECT_EQ(wrong.project.settings.motion, Motion::Off);
  EXPECT_EQ(wrong.project.settings.motionStrength, kDefaultMotionStrength);
  EXPECT_EQ(wrong.project.settings.framing, Framing::Fit);
  EXPECT_EQ(wrong.project.pictures[0].motion, kMotionOfProject);
  for (const char* key : {"motion", "framing"})
    EXPECT_EQ(projectDocument(wrong.project).find(key), std::string::npos) << key;
}

TEST(OpenProject, ReadFailuresHaveTheirMessages) {
  test::TempDir dir;
  Project project;
  UserMessage message;
  EXPECT_FALSE(openProject(project, gbkPath(dir.file("missing.dat")), &message, withMp3Analysis()));
  EXPECT_EQ(message.text, g("读取文件时出错, 无法打开文件句柄"));
  EXPECT_EQ(message.caption, g("提示"));
  EXPECT_FALSE(openProject(project, gbkPath(dir.path()), &message, withMp3Analysis()));
  EXPECT_EQ(message.text, g("读取文件时出错"));

  EXPECT_EQ(openText(dir, "").message.text, g("读取文件时出错，这是一个空白文件。"));
  for (const char* broken : {"not json", "{\"imgs\": [", "\xff\xfe", "[1,2,3]", "7"}) {
    Opened opened = openText(dir, broken);
    EXPECT_FALSE(opened.ok) << broken;
    EXPECT_EQ(opened.message.text, g("文件格式不对！")) << broken;
    EXPECT_TRUE(opened.project.path.empty());
  }
}

TEST(OpenProject, WrongTypesInEveryKeyAreAFormatError) {
  test::TempDir dir;
  Opened opened = openText(
      dir,
      "{\"text_watermark\":\"1\",\"text_watermark_font\":\"0\",\"text_watermark_font_size\":[],"
      "\"text_watermark_color\":{},\"logo\":\"x\",\"logo_path\":5,\"logo_location\":\"2\","
      "\"bgsound\":null,\"bgsound_auto_set_pause_time\":true,"
      "\"bgsound_auto_set_image_loop_play\":\"1\",\"cover\":\"1\",\"cover_path\":[1],"
      "\"video_size\":400,\"pause_time\":\"21\",\"bgsound_items\":{\"a\":\"b.mp3\"},"
      "\"imgs\":7}");
  EXPECT_FALSE(opened.ok);
  EXPECT_EQ(opened.message.text, g("文件格式不对！"));
  EXPECT_TRUE(opened.project.pictures.empty());
  EXPECT_TRUE(opened.project.settings.musicTracks.empty());

  // Right keys, wrong entries: a number for a picture, a picture without a path, a
  // number among the tracks. The usable rest is kept, the file is still reported.
  test::TempDir pics;
  std::string good = utf8(picture(pics, "ok.png", "red"));
  opened = openText(dir, minimalDocument(",\"bgsound_items\":[3]",
                                         "[5,{\"turnAngle\":1},{\"path\":\"" + good +
                                             "\",\"turnAngle\":\"9\"}]"));
  EXPECT_FALSE(opened.ok);
  EXPECT_EQ(opened.message.text, g("文件格式不对！"));
  ASSERT_EQ(opened.project.pictures.size(), 1u);
  EXPECT_EQ(opened.project.pictures[0].turnAngle, 0);
}

TEST(OpenProject, MissingPauseTimeKeepsPicturesAndTracks) {
  test::TempDir dir;
  std::string red = utf8(picture(dir, "r.png", "red"));
  std::string track = utf8(mp3(dir, "t.mp3"));
  std::string text = minimalDocument(",\"bgsound_items\":[\"" + track + "\"]",
                                     "[{\"path\":\"" + red + "\",\"animationIndex\":4}]");
  size_t cut = text.find(",\"pause_time\":21");
  text.erase(cut, std::string(",\"pause_time\":21").size());
  Opened opened = openText(dir, text);
  EXPECT_FALSE(opened.ok);
  EXPECT_EQ(opened.message.text, g("文件格式不对！"));
  EXPECT_TRUE(opened.project.path.empty());
  EXPECT_EQ(opened.project.title(), g("新项目"));
  ASSERT_EQ(opened.project.pictures.size(), 1u);
  EXPECT_EQ(opened.project.pictures[0].animationIndex, 4);
  EXPECT_EQ(opened.project.settings.musicTracks.size(), 1u);
}

TEST(OpenProject, DefaultsAndCorrections) {
  test::TempDir dir;
  Opened opened = openText(dir, minimalDocument(""));
  ASSERT_TRUE(opened.ok) << utf8(opened.message.text);
  EXPECT_EQ(opened.project.settings.captionFontSize, 8);
  EXPECT_FALSE(opened.project.settings.loopPictures);
  EXPECT_FALSE(opened.project.settings.coverOn);

  std::string text = minimalDocument("");
  text.replace(text.find("\"logo_location\":2"), 17, "\"logo_location\":7");
  text.replace(text.find("\"video_size\":\"\""), 15, "\"video_size\":\"1280x720\"");
  opened = openText(dir, text);
  ASSERT_TRUE(opened.ok);
  EXPECT_EQ(opened.project.settings.logoLocation, 2);
  EXPECT_EQ(opened.project.settings.videoSize, kSizeIndex1280x720);

  int listed = SizeList().count();
  text.replace(text.find("\"1280x720\""), 10, "\"1002x600\"");
  opened = openText(dir, text);
  ASSERT_TRUE(opened.ok);
  EXPECT_EQ(opened.project.sizes.count(), listed + 1) << "an unknown size is added";
  EXPECT_EQ(opened.project.settings.width, 1002);

  for (const char* unusable : {"\"1001x600\"", "\"9x9\"", "\"big\"", "\"99999999999x2\""}) {
    std::string bad = text;
    bad.replace(bad.find("\"1002x600\""), 10, unusable);
    opened = openText(dir, bad);
    EXPECT_EQ(opened.project.settings.videoSize, 0) << unusable;
    EXPECT_EQ(opened.project.sizes.count(), listed) << unusable;
  }
}

// The newer music options are keys of their own, written only when set: a project that
// leaves them off is written as before they existed, and set ones come back when opened
// (fades kept within their limit).
TEST(OpenProject, MusicOptionsAreExtraKeysOnlyWhenSet) {
  test::TempDir dir;
  Project plain;
  EXPECT_EQ(projectDocument(plain).find("bgsound_beat"), std::string::npos);
  EXPECT_EQ(projectDocument(plain).find("bgsound_fade"), std::string::npos);
  EXPECT_EQ(projectDocument(plain).find("bgsound_level"), std::string::npos);

  Project styled;
  styled.settings.beatChanges = true;
  styled.settings.fadeInMs = 1500;
  styled.settings.fadeOutMs = 3000;
  styled.settings.levelTracks = true;
  Opened opened = openText(dir, projectDocument(styled));
  ASSERT_TRUE(opened.ok) << utf8(opened.message.text);
  EXPECT_EQ(opened.project.settings, styled.settings);

  opened = openText(dir, minimalDocument(",\"bgsound_fade_in_ms\":999999,\"bgsound_fade_out_ms\":-5"));
  ASSERT_TRUE(opened.ok);
  EXPECT_EQ(opened.project.settings.fadeInMs, kMaxFadeMs);
  EXPECT_EQ(opened.project.settings.fadeOutMs, 0);
}

// A caption longer than the caption field takes keeps the field's limit of bytes, never half
// a character: a longer one would not be drawn at all.
TEST(OpenProject, ACaptionLongerThanTheFieldIsCutToItsLimit) {
  test::TempDir dir;
  std::string red = utf8(picture(dir, "r.png", "red"));
  std::string text = std::string(194, 'a') + g("春") + std::string(30000, 'b');
  Opened opened = openText(dir, minimalDocument("", "[{\"path\":\"" + red +
                                                        "\",\"watermark_text\":\"" + text + "\"}]"));
  ASSERT_TRUE(opened.ok) << utf8(opened.message.text);
  ASSERT_EQ(opened.project.pictures.size(), 1u);
  EXPECT_EQ(opened.project.pictures[0].caption.text, std::string(194, 'a'));
}

TEST(OpenProject, OnlyMp3TracksWithADurationAreKept) {
  test::TempDir dir;
  std::string song = utf8(mp3(dir, "song.MP3"));
  test::writeBytes(dir.file("fake.mp3"), std::string(4000, 'x'));
  std::string wav = dir.file("tone.wav");
  ASSERT_EQ(test::makeSineAudio(wav, 1.0, "-ar 44100"), "");
  Opened opened = openText(
      dir, minimalDocument(",\"bgsound_items\":[\"" + song + "\",\"" + dir.file("fake.mp3") +
                           "\",\"" + wav + "\",\"" + dir.file("none.mp3") + "\"]"));
  ASSERT_TRUE(opened.ok);
  ASSERT_EQ(opened.project.settings.musicTracks.size(), 1u);
  EXPECT_EQ(opened.project.settings.musicTracks[0].path, gbkPath(song));
}

TEST(OpenProject, UnreadablePicturesAreDroppedAndLogged) {
  test::TempDir dir;
  std::string red = utf8(picture(dir, "r.png", "red"));
  takeKeptInfoMessages();
  std::vector<std::pair<int, int>> progress;
  ProjectReadHooks hooks;
  hooks.progress = [&](int number, int total) { progress.emplace_back(number, total); };
  test::writeBytes(dir.file("in.dat"),
                   minimalDocument("", "[{\"path\":\"" + dir.file("gone.png") +
                                           "\",\"animationIndex\":3},{\"path\":\"" + red +
                                           "\",\"animationIndex\":5,\"watermark_location\":42}]"));
  Project project;
  ASSERT_TRUE(openProject(project, gbkPath(dir.file("in.dat")), nullptr, withMp3Analysis(hooks)));
  ASSERT_EQ(project.pictures.size(), 1u);
  EXPECT_EQ(project.pictures[0].animationIndex, 5);
  EXPECT_EQ(project.pictures[0].caption.location, kDefaultCaptionLocation);
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
  EXPECT_EQ(utf8(loadingPicturesText(1, 2)), "加载图片: 1 / 2");
  auto logged = takeKeptInfoMessages();
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find(g("图片读取失败")), std::string::npos);
}

// Failed saves ------------------------------------------------------------------------------

// Runs `body` in a child process, as an unprivileged user when asked (root writes anywhere),
// and returns its exit code.
int inChild(const std::function<int()>& body, bool unprivileged) {
  pid_t pid = fork();
  if (pid == 0) {
    if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
    _exit(body());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// 0: the save failed with `expected`; 1: it succeeded; 2: another message.
int saveExpectingFailure(Project& project, const std::string& path, const std::string& expected) {
  UserMessage error;
  if (saveProject(project, path, &error)) return 1;
  return error.text == expected && error.caption == g("错误") ? 0 : 2;
}

struct SavedBefore {
  test::TempDir dir{"pictavo-save"};
  std::string fsFile;
  std::string bytes;
  Project project;

  SavedBefore() {
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    project = sampleProject(dir);
    fsFile = dir.file("album.dat");
    EXPECT_TRUE(saveProject(project, gbkPath(fsFile), nullptr));
    bytes = test::readBytes(fsFile);
    for (int i = 0; i < 20; ++i) project.pictures[0].caption.text += g("很长的文字");
  }
  size_t filesInFolder() const {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
  }
};

TEST(SaveProject, ReadOnlyFolderKeepsTheOldFile) {
  SavedBefore saved;
  size_t files = saved.filesInFolder();
  std::filesystem::permissions(saved.dir.path(), std::filesystem::perms(0555));
  int result = inChild(
      [&] {
        return saveExpectingFailure(saved.project, gbkPath(saved.fsFile),
                                    g("写入文件时出错，文件句柄打开出错"));
      },
      true);
  std::filesystem::permissions(saved.dir.path(), std::filesystem::perms(0755));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(test::readBytes(saved.fsFile), saved.bytes);
  EXPECT_EQ(saved.filesInFolder(), files);
}

// A project file never replaces one of the files the project names, by any of its names.
TEST(SaveProject, OntoOneOfItsOwnFilesIsRefusedBeforeAnythingIsWritten) {
  test::TempDir dir;
  Project project;
  ImageItem item;
  item.path = picture(dir, "a.png", "#ff0000");
  project.pictures.push_back(item);
  project.settings.coverPath = picture(dir, "cover.png", "#00ff00");
  std::filesystem::create_symlink(dir.file("cover.png"), dir.file("link.dat"));
  for (const char* name : {"a.png", "cover.png", "link.dat"}) {
    SCOPED_TRACE(name);
    std::string before = test::readBytes(dir.file(name));
    UserMessage error;
    EXPECT_FALSE(saveProject(project, gbkPath(dir.file(name)), &error));
    EXPECT_NE(error.text.find(g("保存会覆盖它")), std::string::npos) << utf8(error.text);
    EXPECT_EQ(test::readBytes(dir.file(name)), before);
  }
  EXPECT_TRUE(project.path.empty());
  EXPECT_TRUE(saveProject(project, gbkPath(dir.file("p.dat")), nullptr));
}

// The file-size limit makes the write fail part way through, as a full disk would.
TEST(SaveProject, WriteFailingHalfWayKeepsTheOldFile) {
  SavedBefore saved;
  size_t files = saved.filesInFolder();
  ASSERT_GT(projectDocument(saved.project).size(), 600u);
  int result = inChild(
      [&] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{300, 300};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
        return saveExpectingFailure(saved.project, gbkPath(saved.fsFile), g("写入文件时出错"));
      },
      false);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(test::readBytes(saved.fsFile), saved.bytes);
  EXPECT_EQ(saved.filesInFolder(), files) << "no temporary file is left behind";
}

// A project opened through symbolic links (a relative one leading to an absolute one) saves
// into the file they lead to, in that file's folder; the links stay links.
TEST(SaveProject, ThroughSymbolicLinksReplacesTheFileTheyLeadTo) {
  SavedBefore saved;
  test::TempDir links;
  std::filesystem::create_symlink(saved.fsFile, links.file("absolute.dat"));
  std::filesystem::create_symlink("absolute.dat", links.file("relative.dat"));
  size_t files = saved.filesInFolder();
  saved.project.pictures[0].caption.text = "x";
  std::string linkPath = gbkPath(links.file("relative.dat"));
  ASSERT_TRUE(saveProject(saved.project, linkPath, nullptr));
  EXPECT_TRUE(std::filesystem::is_symlink(links.file("relative.dat")));
  EXPECT_TRUE(std::filesystem::is_symlink(links.file("absolute.dat")));
  EXPECT_EQ(test::readBytes(saved.fsFile), projectDocument(saved.project));
  EXPECT_EQ(saved.project.path, linkPath);
  EXPECT_FALSE(projectChanged(saved.project));
  EXPECT_EQ(saved.filesInFolder(), files);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(links.path()),
                          std::filesystem::directory_iterator()), 2);
}

}  // namespace
}  // namespace pictavo
