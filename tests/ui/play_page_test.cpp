#include "video/play_page.h"

#include <gtest/gtest.h>

#include "util/charset.h"

namespace pictavo {
namespace {

// A file name that is markup, an entity, a quote, a fragment and an escape at once still
// plays: the title and the page show it as text and the source address finds the file.
TEST(PlayPage, EscapesTheNameAndPercentEncodesTheSource) {
  std::string video = gbk("/videos/我的 <b>&'#%41.mp4");
  std::string page = playPageText(video, "http://service.test/getPlayer.asp");
  EXPECT_NE(page.find(gbk("<title>我的 &lt;b&gt;&amp;&#39;#%41.mp4</title>")), std::string::npos);
  EXPECT_NE(page.find("src='file:///videos/%E6%88%91%E7%9A%84%20%3Cb%3E%26%27%23%2541.mp4'"),
            std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_NE(page.find("href='http://service.test/getPlayer.asp'"), std::string::npos);

  EXPECT_EQ(fileUrl("relative.mp4").rfind("file:///", 0), 0u);  // made absolute
}

}  // namespace
}  // namespace pictavo
