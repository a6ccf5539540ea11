#include "net/product_import.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

#include "import_test_support.h"
#include "net/item_id.h"
#include "net/picture_list_download.h"
#include "net_fixture.h"
#include "support/test_http_server.h"
#include "util/charset.h"

namespace pictavo {
namespace {

using test::g;
using test::ReceivedRequest;
using test::ServerConnection;

class ProductImportTest : public test::NetTest {
 protected:
  // Serves "/pics/NAME" as the bytes "picture NAME"; other paths go to `json`.
  void serve(std::string json) {
    json_ = std::move(json);
    server_ = std::make_unique<test::TestHttpServer>(
        [this](const ReceivedRequest& r, ServerConnection& c) {
          if (r.path.rfind("/pics/", 0) == 0)
            c.send(test::okResponse("picture " + r.path.substr(6)));
          else
            c.send(test::okResponse(json_, "Content-Type: application/json\r\n"));
        });
  }
  std::string pic(const std::string& name) const { return server_->url("/pics/" + name); }
  std::vector<std::string> requestedPaths() const {
    std::vector<std::string> paths;
    for (const ReceivedRequest& r : server_->requests()) paths.push_back(r.path);
    return paths;
  }

  // The server goes first: its handler reads json_.
  test::TempDir dir_;
  test::RecordingImportSink sink_{dir_.path()};
  std::string json_;
  std::unique_ptr<test::TestHttpServer> server_;
};

TEST(ExtractItemId, TakesANumericIdByPreference) {
  std::string id;
  EXPECT_TRUE(extractItemId("https://item.example/item.htm?spm=a&id=123&x=1", &id));
  EXPECT_EQ(id, "123");
  EXPECT_TRUE(extractItemId("https://m.example/d?id=55&item_num_id=66", &id));
  EXPECT_EQ(id, "55");
  EXPECT_TRUE(extractItemId("https://m.example/d?item_num_id=66", &id));
  EXPECT_EQ(id, "66");
  EXPECT_TRUE(extractItemId("https://m.example/d?id=-12.5", &id));
  EXPECT_EQ(id, "-12.5");
  for (const char* bad : {"https://x/?id=abc", "https://x/?id=1.2.3", "https://x/?id=",
                          "https://x/?id=-", "https://x/?nid=12", "https://x/?id=12#frag"}) {
    EXPECT_FALSE(extractItemId(bad, &id)) << bad;
  }
  EXPECT_FALSE(extractItemId("https://x/?id=" + std::string(64, '1'), &id));
  EXPECT_TRUE(extractItemId("https://x/?id=" + std::string(63, '1'), &id));
}

TEST(ImportProgress, TheBarGrowsWithTheCount) {
  std::string ellipsis = "\xA1\xAD";
  EXPECT_EQ(
      importProgressText(1, 3), g("加载宝贝图片: 1 / 3 ") + [&] {
        std::string bar;
        for (int i = 0; i < 10; ++i) bar += ellipsis;
        return bar;
      }());
  EXPECT_EQ(importProgressText(3, 3).size(), g("加载宝贝图片: 3 / 3 ").size() + 32 * 2);
  EXPECT_EQ(importProgressText(1, 1000), g("加载宝贝图片: 1 / 1000 "));
}

TEST(ChooseLoader, FollowsServiceModeAndTemplate) {
  ServiceSettings s;
  EXPECT_EQ(chooseProductLoader(s), ProductLoader::VendorService);
  s.serviceMode = 5;
  s.itemDataTemplate = "http://api.m.example/data?id=";
  EXPECT_EQ(chooseProductLoader(s), ProductLoader::ItemPage);
  s.itemApiHost = "api.m.example";
  EXPECT_EQ(chooseProductLoader(s), ProductLoader::ItemApi);
  s.serviceMode = 2;
  EXPECT_EQ(chooseProductLoader(s), ProductLoader::VendorService);
}

TEST_F(ProductImportTest, ServiceListStopsAtTheFirstLineThatIsNoAddress) {
  serve("");
  json_ = pic("a.jpg") + "\r\n" + pic("b.jpg") + "\nnot an address\n" + pic("c.jpg") + "\n";
  ServiceSettings settings;
  settings.baseUrl = server_->url("");
  ImportResult result =
      loadProductImagesFromService({2, g("https://item.example/x?id=1 中")}, settings, sink_);
  EXPECT_TRUE(result.notices.empty());
  EXPECT_EQ(result.added, 2);
  ASSERT_EQ(sink_.contents.size(), 2u);
  EXPECT_EQ(sink_.contents[0], "picture a.jpg");
  EXPECT_EQ(sink_.contents[1], "picture b.jpg");
  std::regex name(R"(.*/\d\d-\d\d-\d\d-[1-9]\d\d\.jpg)");
  for (const std::string& file : sink_.files) EXPECT_TRUE(std::regex_match(file, name)) << file;
  EXPECT_EQ(
      requestedPaths().at(0),
      "/getProductImg/API.asp?v=8.2&baobeiURL=https%3A%2F%2Fitem.example%2Fx%3Fid%3D1+%D6%D0&m=2&");
  EXPECT_EQ(sink_.statuses.front(), g("获取宝贝图片列表..."));
}

TEST_F(ProductImportTest, ServiceMessagesAndFailures) {
  serve("");
  ServiceSettings settings;
  settings.baseUrl = server_->url("");
  ProductQuery query{0, "x"};
  json_ = "\n";
  EXPECT_EQ(loadProductImagesFromService(query, settings, sink_).notices.at(0).text,
            g("宝贝图片列表为空"));
  json_ = "服务暂停";
  UserMessage message = loadProductImagesFromService(query, settings, sink_).notices.at(0);
  EXPECT_EQ(message.text, g("服务暂停"));
  EXPECT_EQ(message.caption, g("提示"));
  settings.baseUrl = "";
  UserMessage none = loadProductImagesFromService(query, settings, sink_).notices.at(0);
  EXPECT_EQ(none.caption, g("错误"));
  EXPECT_EQ(none.text, g("获取宝贝图片列表时出错，可以重试一次，或进入官网联系我们的客服。"));
  EXPECT_TRUE(loadProductImagesFromService({0, ""}, settings, sink_).notices.empty());
}

std::string apiJson(const std::string& main1, const std::string& main2, const std::string& c1,
                    const std::string& c2) {
  return R"({"ret":["SUCCESS::调用成功"],"data":{"itemInfoModel":{"picsPath":[")" + main1 +
         R"(",")" + main2 +
         R"("]},"skuModel":{"skuProps":[)" +
         R"({"propId":"20509","values":[{"imgUrl":"http://x/size.jpg"}]},)" +
         R"({"propId":"1627207","values":[{"imgUrl":")" + c1 +
         R"("},{"name":"no picture"},{"imgUrl":")" + c2 + R"("}]}]}}})";
}

TEST_F(ProductImportTest, ItemApiPicturesByType) {
  serve("");
  json_ = apiJson(pic("m1.jpg"), pic("m2.jpg_.WEBP"), pic("c1.jpg"), pic("c2.jpg"));
  ServiceSettings settings;
  settings.itemDataTemplate = server_->url("/api?id=");
  std::string address = "https://item.example/item.htm?id=42";
  struct {
    int type;
    std::vector<std::string> names;
  } cases[] = {{0, {"m1.jpg", "m2.jpg"}},
               {1, {"c1.jpg", "c2.jpg"}},
               {2, {"m1.jpg", "m2.jpg", "c1.jpg", "c2.jpg"}}};
  for (const auto& c : cases) {
    ImportResult result = loadProductImagesFromItemApi({c.type, address}, settings, sink_);
    std::vector<std::string> expected;
    for (const std::string& n : c.names) expected.push_back(pic(n));
    EXPECT_EQ(result.addresses, expected) << "type " << c.type;
    EXPECT_EQ(result.added, static_cast<int>(c.names.size()));
  }
  EXPECT_EQ(requestedPaths().at(0), "/api?id=42&");
}

TEST_F(ProductImportTest, ItemApiMessages) {
  serve("");
  ServiceSettings settings;
  settings.itemDataTemplate = server_->url("/api?id=");
  ProductQuery query{0, "https://item.example/?id=7"};
  struct {
    std::string json;
    std::string message;
  } cases[] = {
      {R"({"ret":["FAIL_SYS::宝贝不存在"]})", g("宝贝不存在或已被删除！")},
      {R"({"ret":["FAIL::商品已被删除了"]})", g("宝贝不存在或已被删除！")},
      {R"({"ret":["ERR_A::first","ERR_B::请稍后再试"]})", g("ERR_B::请稍后再试")},
      {R"({"ret":["ERR::淺"]})", g("ERR::淺")},  // its GBK form ends in a backslash byte
      {R"({"ret":[],"msg":"空"})", g(R"({"ret":[],"msg":"空"})")},
      {"<html>not json", g("无法解析宝贝的JSON数据，请检查宝贝地址输入是否正确。")},
      {R"({"ret":["SUCCESS"],"data":{}})", g("宝贝图片列表为空")},
  };
  for (const auto& c : cases) {
    json_ = c.json;
    ImportResult result = loadProductImagesFromItemApi(query, settings, sink_);
    ASSERT_EQ(result.notices.size(), 1u) << c.json;
    EXPECT_EQ(result.notices[0].text, c.message) << c.json;
    EXPECT_EQ(result.added, 0);
  }
  EXPECT_EQ(loadProductImagesFromItemApi({0, "https://item.example/?id=abc"}, settings, sink_)
                .notices.at(0)
                .text,
            g("输入的宝贝地址不符合规范！"));
  test::TestHttpServer notFound([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
  });
  settings.itemDataTemplate = notFound.url("/api?id=");
  UserMessage failure = loadProductImagesFromItemApi(query, settings, sink_).notices.at(0);
  EXPECT_EQ(failure.caption, g("错误"));
  EXPECT_EQ(failure.text,
            g("获取宝贝图片列表时出错:\n\nHTTP/1.1 404 Not Found\r\nContent-Length: 0\n\n"
              "404 Not Found - 文件不存在"));
}

TEST_F(ProductImportTest, ItemPageTakesDirectAddresses) {
  serve("");
  ServiceSettings settings;
  settings.serviceMode = 6;
  std::string text = pic("a.jpg") + "; " + pic("b.PNG") + ";" + pic("c.webp") + ";ftp://x/d.gif";
  ImportResult result = loadProductImagesFromItemPage({0, text}, settings, sink_);
  EXPECT_EQ(result.addresses, (std::vector<std::string>{pic("a.jpg"), pic("b.PNG")}));
  EXPECT_EQ(result.added, 2);
  EXPECT_EQ(loadProductImagesFromItemPage({0, "https://item.example/?id=1"}, settings, sink_)
                .notices.at(0)
                .text,
            g("输入的图片地址不符合规范！"));
}

TEST_F(ProductImportTest, ItemPageRetriesWithTheCookie) {
  std::string json;
  test::TestHttpServer server([&](const ReceivedRequest& r, ServerConnection& c) {
    if (r.path.rfind("/pics/", 0) == 0)
      c.send(test::okResponse("picture"));
    else if (r.header("Cookie").empty())
      c.send("HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n");
    else
      c.send(test::okResponse(json));
  });
  auto p = [&](const char* name) { return server.url(std::string("/pics/") + name); };
  json = std::string(R"({"ret":["SUCCESS::调用成功"],"data":{"item":{"images":[")") + p("i1.jpg") +
         R"("]},"skuBase":{"props":[{"pid":"1627207","values":[{"image":")" + p("v1.jpg_.webp") +
         R"("},{"name":"x"}]}]}}})";
  ServiceSettings settings;
  settings.serviceMode = 5;
  settings.itemDataTemplate = server.url("/detail?data=%7B%22id%22%3A%22%s%22%7D");
  settings.itemPageReferer = "https://item.example/item.htm?id=%s";
  settings.cookie = "token=abc";
  ImportResult result =
      loadProductImagesFromItemPage({2, "https://item.example/item.htm?id=99"}, settings, sink_);
  EXPECT_EQ(result.addresses, (std::vector<std::string>{p("i1.jpg"), p("v1.jpg")}));
  EXPECT_EQ(result.added, 2);
  auto requests = server.requests();
  ASSERT_GE(requests.size(), 2u);
  // The keep-alive try and its fresh retry both go without the cookie; then with it.
  EXPECT_EQ(requests[0].path, "/detail?data=%7B%22id%22%3A%2299%22%7D");
  EXPECT_EQ(requests[0].header("Referer"), "https://item.example/item.htm?id=99");
  EXPECT_EQ(requests[2].header("Cookie"), "token=abc");
}

TEST_F(ProductImportTest, StopsWhenTheSinkIsFullAndLogsFailures) {
  serve("");
  test::RecordingImportSink small(dir_.path(), 2);
  std::vector<std::string> list{pic("1.jpg"), server_->url("/none"), pic("2.jpg"), pic("3.jpg")};
  test::TestHttpServer missing([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
  });
  list[1] = missing.url("/gone.jpg");
  ImportResult result;
  downloadPictureList(list, small, &result);
  EXPECT_EQ(result.added, 2);
  ASSERT_EQ(result.notices.size(), 1u);
  EXPECT_EQ(result.notices[0].text, "full");
  EXPECT_EQ(requestedPaths(), (std::vector<std::string>{"/pics/1.jpg", "/pics/2.jpg"}));
  auto log = takeKeptInfoMessages();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], g("下载宝贝图片失败:\r\n") + list[1] +
                        g("\r\n返回的错误信息:\r\n404 Not Found - 文件不存在\r\n"));
}

}  // namespace
}  // namespace pictavo

namespace pictavo {
namespace {

TEST_F(ProductImportTest, ACancelFromAnotherThreadStopsTheList) {
  // Each picture trickles for up to five seconds; the cancel must not wait for it.
  test::TestHttpServer slow([](const ReceivedRequest&, ServerConnection& c) {
    c.send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
    for (int i = 0; i < 250 && c.send("p"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  });
  test::RecordingImportSink sink(dir_.path());
  std::thread canceller([&sink] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sink.cancel();
  });
  ImportResult result;
  auto start = std::chrono::steady_clock::now();
  downloadPictureList({slow.url("/1.jpg"), slow.url("/2.jpg"), slow.url("/3.jpg")}, sink, &result);
  canceller.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.added, 0);
  EXPECT_EQ(slow.requests().size(), 1u);
  EXPECT_TRUE(takeKeptInfoMessages().empty());  // a cancel is no download failure
}

}  // namespace
}  // namespace pictavo
