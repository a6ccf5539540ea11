// The preferences store and the preferences read from it at start-up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "platform/folders.h"
#include "project/stored_preferences.h"
#include "support/scoped_env.h"
#include "support/test_files.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::g;
using test::ScopedEnv;
namespace names = preference_names;

struct PreferencesFixture : testing::Test {
  test::TempDir dir{"pictavo-prefs"};
  std::string root = fromFsName(dir.path()).value();
  PreferencesStore store{joinPath(root, "config")};
  PreferenceFolders folders{joinPath(root, "desktop"), joinPath(root, "mp3"),
                            joinPath(root, g("我的项目")), joinPath(root, g("我的视频"))};

  PreferencesFixture() { makeFolders(folders.desktop); }

  Preferences load() { return loadPreferences(store, folders); }
};

TEST_F(PreferencesFixture, MissingStoreGivesDefaultsAndWritesTheThreeNumbers) {
  Preferences p = load();
  EXPECT_EQ(p.imageFolder, folders.desktop);
  EXPECT_EQ(p.musicFolder, folders.music);
  EXPECT_EQ(p.projectFolder, folders.projects);
  EXPECT_EQ(p.videoFolder, folders.videos);
  EXPECT_EQ(p.logoFolder, folders.desktop);
  EXPECT_EQ(p.importFolder, folders.desktop);
  EXPECT_TRUE(folderExists(folders.projects));
  EXPECT_TRUE(folderExists(folders.videos));
  EXPECT_EQ(p.backgroundFill, 0);
  EXPECT_EQ(p.defaultFileName, 0);
  EXPECT_EQ(p.closeButtonHides, 0);
  EXPECT_EQ(p.loopStartEffect, 31);
  EXPECT_FLOAT_EQ(p.margins.centreBottom, 0.15001f);
  EXPECT_FLOAT_EQ(p.margins.left, 0.06001f);
  EXPECT_FLOAT_EQ(p.margins.bottom, 0.06001f);

  int32_t value = -1;
  for (const char* written :
       {names::kBackgroundFill, names::kDefaultFileName, names::kCloseButton}) {
    EXPECT_TRUE(store.readNumber(written, &value)) << written;
    EXPECT_EQ(value, 0);
  }
  EXPECT_EQ(p.framePipe, FramePipe::Raw);
  for (const char* absent : {names::kMarginLeft, names::kLoopStartEffect, names::kFramePipe})
    EXPECT_FALSE(store.readNumber(absent, &value)) << absent;
  std::string text;
  EXPECT_FALSE(store.readString(names::kImageFolder, &text)) << "folders wait for the exit";
}

TEST_F(PreferencesFixture, StoredValuesAndTheirValidation) {
  struct Case {
    int32_t stored;
    int expected;
  };
  for (Case c : {Case{150, 33}, Case{99, 99}, Case{0, 0}, Case{-1, 33}}) {
    store.writeNumber(names::kLoopStartEffect, c.stored);
    EXPECT_EQ(load().loopStartEffect, c.expected) << c.stored;
  }
  struct PipeCase {
    int32_t stored;
    FramePipe expected;
  };
  for (PipeCase c : {PipeCase{1, FramePipe::Mjpeg}, PipeCase{0, FramePipe::Raw},
                     PipeCase{2, FramePipe::Raw}, PipeCase{-1, FramePipe::Raw}}) {
    store.writeNumber(names::kFramePipe, c.stored);
    EXPECT_EQ(load().framePipe, c.expected) << c.stored;
  }
  Preferences chosen = load();
  setFramePipe(chosen, store, FramePipe::Mjpeg);
  EXPECT_EQ(load().framePipe, FramePipe::Mjpeg);
  store.writeNumber(names::kBackgroundFill, 1);
  store.writeNumber(names::kCloseButton, 1);
  EXPECT_EQ(load().backgroundFill, 1);
  EXPECT_EQ(load().closeButtonHides, 1);

  store.writeNumber(names::kMarginLeft, 0);
  store.writeNumber(names::kMarginRight, 5000);
  store.writeNumber(names::kMarginTop, 4999);
  store.writeNumber(names::kMarginBottom, -20);
  store.writeNumber(names::kMarginCentreBottom, 600);
  Preferences p = load();
  EXPECT_FLOAT_EQ(p.margins.left, 0.000001f);
  EXPECT_FLOAT_EQ(p.margins.right, 0.06001f);
  EXPECT_FLOAT_EQ(p.margins.top, 0.499901f);
  EXPECT_FLOAT_EQ(p.margins.bottom, 0.06001f);
  EXPECT_FLOAT_EQ(p.margins.centreBottom, 0.060001f);
}

TEST_F(PreferencesFixture, MarginsStoreAsTenThousandths) {
  EXPECT_EQ(storedMargin(marginFromPercent(49.99)), 4999);
  EXPECT_EQ(storedMargin(marginFromPercent(6.00)), 600);
  EXPECT_EQ(storedMargin(marginFromPercent(15.00)), 1500);
  EXPECT_EQ(storedMargin(marginFromPercent(0.01)), 1);
  EXPECT_FLOAT_EQ(marginFromStored(0), 0.000001f);
  EXPECT_EQ(storedMargin(1e30f), 0) << "no overflow";

  Preferences p = load();
  CaptionMargins margins;
  margins.left = marginFromPercent(12.5);
  setCaptionMargins(p, store, margins);
  EXPECT_FLOAT_EQ(load().margins.left, marginFromStored(1250));
}

TEST_F(PreferencesFixture, FoldersAreWrittenAtExitAndCheckedAtStart) {
  std::string pictures = joinPath(root, g("图片"));
  std::string logos = joinPath(root, "logos");
  makeFolders(pictures);
  makeFolders(logos);
  Preferences p = load();
  p.imageFolder = pictures;
  p.logoFolder = logos;
  p.musicFolder = joinPath(root, "elsewhere");
  saveFolderPreferences(store, p);
  std::string stored;
  ASSERT_TRUE(store.readString(names::kMusicFolder, &stored));
  EXPECT_EQ(stored, p.musicFolder);

  Preferences again = load();
  EXPECT_EQ(again.imageFolder, pictures);
  EXPECT_EQ(again.logoFolder, logos);
  EXPECT_EQ(again.musicFolder, folders.music) << "the music chooser always starts in mp3";

  std::filesystem::remove(toFsName(pictures).value());
  EXPECT_EQ(load().imageFolder, folders.desktop) << "a deleted folder";
  store.writeString(names::kLogoFolder, std::string(260, 'a'));
  EXPECT_FALSE(store.readString(names::kLogoFolder, &stored)) << "does not fit 260 bytes";
  EXPECT_EQ(load().logoFolder, folders.desktop);
}

TEST_F(PreferencesFixture, StoreKeepsTypesAndSurvivesDamage) {
  ASSERT_TRUE(store.writeString("name", g("中文")));
  ASSERT_TRUE(store.writeNumber("count", -5));
  std::string text;
  int32_t number = 0;
  EXPECT_FALSE(store.readNumber("name", &number));
  EXPECT_FALSE(store.readString("count", &text));
  ASSERT_TRUE(store.readString("NAME", &text)) << "names ignore letter case";
  EXPECT_EQ(text, g("中文"));
  ASSERT_TRUE(store.readNumber("count", &number));
  EXPECT_EQ(number, -5);

  std::string file = toFsName(store.file()).value();
  EXPECT_NE(test::readBytes(file).find("\"中文\""), std::string::npos) << "UTF-8 on disk";
  test::writeBytes(file, "{\"big\": 4294967295, \"huge\": 4294967296, \"half\": 1.5}");
  ASSERT_TRUE(store.readNumber("big", &number));
  EXPECT_EQ(static_cast<uint32_t>(number), 4294967295u);
  EXPECT_FALSE(store.readNumber("huge", &number));
  EXPECT_FALSE(store.readNumber("half", &number));

  test::writeBytes(file, "{ not json");
  Preferences p = load();
  EXPECT_EQ(p.loopStartEffect, 31);
  EXPECT_TRUE(store.readNumber(names::kBackgroundFill, &number)) << "rewritten afresh";
}

TEST(PreferenceLocations, StoreAndDesktopFollowTheUsersFolders) {
  test::TempDir dir;
  ScopedEnv home("HOME", dir.path());
  ScopedEnv config("XDG_CONFIG_HOME", dir.file("cfg"));
  PreferencesStore store = PreferencesStore::user();
  EXPECT_TRUE(store.writeNumber(preference_names::kBackgroundFill, 1));
  EXPECT_TRUE(std::filesystem::exists(dir.file("cfg/pictavo/preferences.json")));

  EXPECT_EQ(desktopFolder(), fromFsName(dir.path()).value()) << "no desktop: the home folder";
  std::filesystem::create_directories(dir.file("Desktop"));
  EXPECT_EQ(desktopFolder(), fromFsName(dir.file("Desktop")).value());
  std::filesystem::create_directories(dir.file("桌面"));
  test::writeBytes(dir.file("cfg/user-dirs.dirs"), "# written by xdg-user-dirs-update\n"
                                                   "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
  EXPECT_EQ(desktopFolder(), fromFsName(dir.file("桌面")).value());
}

}  // namespace
}  // namespace pictavo
