#include "ui/file_choosers.h"

#include <gtest/gtest.h>

#include "ui/support/scripted_prompts.h"

namespace pictavo {
namespace {

// The limit is 259 bytes (a Chinese character takes 2) for the folder and the whole path;
// the multiple-file chooser names renaming as the fix.
TEST(FileChoosers, RefuseFoldersAndPathsBeyond259Bytes) {
  struct Case {
    QString folder;
    QString name;
    bool many;
    QString expected;  // empty: accepted
  };
  const QString folder260 = QLatin1Char('/') + QString(259, QLatin1Char('d'));
  const QString folder249 = QLatin1Char('/') + QString(124, QChar(0x76EE)) ;  // 1 + 248 bytes
  const Case cases[] = {
      {folder260, QStringLiteral("a.jpg"), false, QStringLiteral("当前文件夹路径长度：260 个字符")},
      {folder260, QStringLiteral("a.jpg"), true, QStringLiteral("修改文件夹名称")},
      {folder249, QStringLiteral("abcdefghij.jpg"), true, QStringLiteral("当前文件路径长度：264 个字符")},
      {folder249, QStringLiteral("abcde.jpg"), false, QString()},  // 259 bytes
  };
  for (const Case& c : cases) {
    test::ScriptedPrompts prompts;
    FileChoosers choosers(prompts, nullptr);
    std::string folderPreference;
    QString path = c.folder + QLatin1Char('/') + c.name;
    prompts.choices.enqueue({path});
    QString chosen = c.many ? choosers.openMany(QString(), QString(), folderPreference).value(0)
                            : choosers.open(QString(), QString(), folderPreference);
    if (c.expected.isEmpty()) {
      EXPECT_EQ(chosen, path);
      EXPECT_FALSE(folderPreference.empty());
      continue;
    }
    EXPECT_TRUE(chosen.isEmpty());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(prompts.shown[0].text.contains(c.expected)) << prompts.shown[0].text.toStdString();
    EXPECT_TRUE(prompts.shown[0].text.contains(QStringLiteral("不能大于 259 个字符")));
    EXPECT_TRUE(folderPreference.empty());
  }
}

}  // namespace
}  // namespace pictavo
