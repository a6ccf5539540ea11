#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "net/error_report.h"
#include "net/net_settings.h"
#include "net/remote_settings.h"
#include "net/sample_music.h"
#include "net_fixture.h"
#include "platform/error_log.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "project/preferences_store.h"
#include "project/service_config.h"
#include "support/test_files.h"
#include "support/test_http_server.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::g;
using test::ReceivedRequest;
using test::ServerConnection;

class BackgroundTaskTest : public test::NetTest {};

TEST(RemoteSettingsParse, KeepsOnlyValidValues) {
  RemoteSettings s = parseRemoteSettings(
      "audio_bit_rate = 192\r\nservice_mode=5\npicture_types=3\n"
      "item_data_template=https://api.example/d?id=%s\ncookie=a=1; b=中\n"
      "item_api_host=api.example\nitem_page_referer=https://item.example/?id=%s\nunknown=1\n");
  EXPECT_EQ(s.audioBitRate, 192);
  EXPECT_EQ(s.serviceMode, 5);
  EXPECT_EQ(s.pictureTypes, 3);
  EXPECT_EQ(s.itemDataTemplate, "https://api.example/d?id=%s");
  EXPECT_EQ(s.cookie, g("a=1; b=中"));
  EXPECT_EQ(s.itemApiHost, "api.example");
  EXPECT_EQ(s.itemPageReferer, "https://item.example/?id=%s");

  RemoteSettings bad = parseRemoteSettings(
      "audio_bit_rate=95\naudio_bit_rate=321\naudio_bit_rate=128k\nservice_mode=7\n"
      "picture_types=2\nitem_data_template=ftp://x/\nitem_data_template=http://a b/\n"
      "cookie=\nitem_api_host=a/b\nitem_page_referer=javascript:1\nno equals sign\n");
  EXPECT_FALSE(bad.audioBitRate || bad.serviceMode || bad.pictureTypes || bad.itemDataTemplate ||
               bad.cookie || bad.itemApiHost || bad.itemPageReferer);
  EXPECT_EQ(parseRemoteSettings("audio_bit_rate=96").audioBitRate, 96);
  EXPECT_EQ(parseRemoteSettings("audio_bit_rate=320").audioBitRate, 320);
}

TEST_F(BackgroundTaskTest, RemoteSettingsAreReadAndApplied) {
  EXPECT_FALSE(readRemoteSettings());  // no service address: nothing to do
  test::TestHttpServer server([](const ReceivedRequest& r, ServerConnection& c) {
    c.send(r.path == "/settings.txt" ? test::okResponse("audio_bit_rate=256\nservice_mode=6\n"
                                                        "picture_types=9\n")
                                     : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
  });
  setServiceBaseUrl(server.url("/"));
  auto read = readRemoteSettings();
  ASSERT_TRUE(read);
  ServiceSettings now = serviceSettings();
  EXPECT_EQ(now.serviceMode, 6);
  EXPECT_EQ(now.pictureTypes, 1);  // 9 is no valid flag: the default stays
  EXPECT_EQ(now.audioBitRate, 256);
  Preferences preferences;
  applyAudioBitRate(*read, &preferences);
  EXPECT_EQ(preferences.audioBitRate, 256);
}

TEST(SampleMusicList, SkipsUnusableLines) {
  auto tracks = parseSampleMusicList(
      "http://m/a.mp3|100|a.mp3\r\nhttp://m/b.mp3|x|b.mp3\nhttp://m/c.mp3|0|c.mp3\n"
      "http://m/d.mp3|5|../d.mp3\nhttp://m/e.mp3|5|sub/e.mp3\n|5|f.mp3\nhttp://m/"
      "g.mp3|7|g|h.mp3\n");
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].url, "http://m/a.mp3");
  EXPECT_EQ(tracks[0].size, 100);
  EXPECT_EQ(tracks[0].name, "a.mp3");
  EXPECT_EQ(tracks[1].name, "g|h.mp3");
}

TEST_F(BackgroundTaskTest, SampleMusicDownloadsWhatIsMissingOrDifferent) {
  EXPECT_EQ(downloadSampleMusic(), 0);
  std::string list;
  test::TestHttpServer server([&](const ReceivedRequest& r, ServerConnection& c) {
    if (r.path == "/mp3/list.txt")
      c.send(test::okResponse(list));
    else
      c.send(test::okResponse(r.path == "/short.mp3" ? "abc" : "0123456789"));
  });
  std::string folder = programFolders().music;
  makeFolders(folder);
  writeWholeFile(joinPath(folder, "kept.mp3"), "KEPT567890");
  writeWholeFile(joinPath(folder, "stale.mp3"), "old");
  list = server.url("/a.mp3") + "|10|" + "新歌.mp3\n" + server.url("/b.mp3") + "|10|kept.mp3\n" +
         server.url("/c.mp3") + "|10|stale.mp3\n" + server.url("/short.mp3") + "|10|short.mp3\n";
  setServiceBaseUrl(server.url(""));
  EXPECT_EQ(downloadSampleMusic(), 2);
  EXPECT_EQ(readWholeFile(joinPath(folder, g("新歌.mp3"))), "0123456789");
  EXPECT_EQ(readWholeFile(joinPath(folder, "kept.mp3")), "KEPT567890");
  EXPECT_EQ(readWholeFile(joinPath(folder, "stale.mp3")), "0123456789");
  EXPECT_FALSE(fileExists(joinPath(folder, "short.mp3")));  // the length did not match
}

TEST_F(BackgroundTaskTest, ErrorReportsAreLoggedWithoutAService) {
  removeFile(errorLogPath());
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i)
    threads.emplace_back(
        [i] { EXPECT_FALSE(reportError("thread_make_video", g("第") + std::to_string(i))); });
  for (std::thread& t : threads) t.join();
  std::string log = readWholeFile(errorLogPath()).value_or("");
  for (int i = 0; i < 4; ++i)
    EXPECT_NE(log.find("thread_make_video\n第" + std::to_string(i) + "\n"), std::string::npos);
}

TEST_F(BackgroundTaskTest, ErrorReportsAreSentAndLoggedWhenSendingFails) {
  removeFile(errorLogPath());
  test::TestHttpServer server([](const ReceivedRequest& r, ServerConnection& c) {
    c.send(r.path == "/reportError.asp" ? test::okResponse("ok")
                                        : "HTTP/1.1 500 Down\r\nContent-Length: 0\r\n\r\n");
  });
  setServiceBaseUrl(server.url(""));
  EXPECT_TRUE(reportError("setVideoCover", g("封面 a&b")));
  flushErrorReports();
  ReceivedRequest sent = server.requests().at(0);
  EXPECT_EQ(sent.method, "POST");
  EXPECT_EQ(sent.body.rfind("os=", 0), 0u);
  EXPECT_NE(sent.body.find("&name=setVideoCover&text=%E5%B0%81%E9%9D%A2+a%26b&v=8.2"),
            std::string::npos);
  EXPECT_FALSE(fileExists(errorLogPath()));

  setServiceBaseUrl(server.url("/down"));
  EXPECT_TRUE(reportError("validateImageMagick", "no coders"));  // queued, then logged
  flushErrorReports();
  std::string log = readWholeFile(errorLogPath()).value_or("");
  EXPECT_NE(log.find("validateImageMagick\nno coders\n"), std::string::npos);
  EXPECT_NE(log.find("返回错误的http状态码"), std::string::npos);
}

TEST_F(BackgroundTaskTest, ErrorReportsNeverWaitForTheService) {
  removeFile(errorLogPath());
  test::TestHttpServer silent(
      [](const ReceivedRequest&, ServerConnection& c) { c.waitUntilStopped(); });
  setServiceBaseUrl(silent.url(""));
  setNetTimeouts({10000, 300});
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(reportError("thread_make_video", "slow"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  flushErrorReports();
  EXPECT_NE(readWholeFile(errorLogPath()).value_or("").find("thread_make_video\nslow\n"),
            std::string::npos);
}

}  // namespace
}  // namespace pictavo

namespace pictavo {
namespace {

// The service address comes from the environment, else from the preferences store.
class ServiceAddressConfiguration : public test::NetTest {};

TEST_F(ServiceAddressConfiguration, EnvironmentFirstThenThePreferencesStore) {
  EXPECT_EQ(serviceSettings().baseUrl, "");
  ASSERT_TRUE(PreferencesStore::user().writeString("service_url", "http://127.0.0.1:9/"));
  resetServiceSettings();
  EXPECT_EQ(serviceSettings().baseUrl, "http://127.0.0.1:9");
  setenv("PICTAVO_SERVICE_URL", "http://127.0.0.1:8", 1);
  resetServiceSettings();
  EXPECT_EQ(serviceSettings().baseUrl, "http://127.0.0.1:8");
  unsetenv("PICTAVO_SERVICE_URL");
  ASSERT_TRUE(PreferencesStore::user().writeString("service_url", ""));
  resetServiceSettings();
  EXPECT_EQ(serviceSettings().baseUrl, "");
}

}  // namespace
}  // namespace pictavo
