#include "ui/dialogs/product_import_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "net/socket_pool.h"
#include "platform/folders.h"
#include "project/service_config.h"
#include "support/test_http_server.h"
#include "ui/information_window.h"
#include "ui/status_bar.h"
#include "ui/support/window_fixture.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::ReceivedRequest;
using test::ServerConnection;

constexpr int kWaitMs = 20000;

// The window over a loopback server that plays the product service and the picture hosts,
// honest and not: "/pics/pN.jpg" is picture N, the service's path answers `list_`, and the
// rest lie (a page, half a picture, a body cut short, a redirect loop, an endless body, a
// silent stall).
class ProductImportDialogTest : public test::WindowTest {
 protected:
  ProductImportDialogTest() {
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      unsetenv(name);
    socket_pool_init();
    closePooledSockets();
    resetServiceSettings();
    for (const QString& path : makePictures(4))
      pictures_.push_back(test::readBytes(path.toStdString()));
    server_ = std::make_unique<test::TestHttpServer>(
        [this](const ReceivedRequest& r, ServerConnection& c) { answer(r.path, c); });
    before_ = temporaryFiles();
  }
  ~ProductImportDialogTest() override {
    closePooledSockets();
    resetServiceSettings();
  }

  void answer(const std::string& path, ServerConnection& c) {
    if (path.rfind("/getProductImg/", 0) == 0) {
      if (list_ == "stall")
        c.waitUntilStopped();
      else if (list_ == "fail")
        c.send("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
      else
        c.send(test::okResponse(list_));
    } else if (path.rfind("/pics/p", 0) == 0) {
      c.send(test::okResponse(pictures_.at(std::stoul(path.substr(7)) - 1)));
    } else if (path == "/page.jpg") {
      c.send(
          test::okResponse("<html><body>no picture</body></html>", "Content-Type: text/html\r\n"));
    } else if (path == "/half.jpg") {
      c.send(test::okResponse(pictures_[0].substr(0, 60)));
    } else if (path == "/cut.jpg") {
      c.send("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + pictures_[0].substr(0, 60));
      c.close();
    } else if (path == "/loop.jpg") {
      c.send(test::redirectResponse(server_->url("/loop.jpg")));
    } else if (path == "/endless.jpg") {
      bool open = c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
      while (open) open = c.send(std::string(64 * 1024, 'x'));
      c.close();
    } else if (path == "/stall.jpg") {
      c.waitUntilStopped();
    }
  }

  std::string pic(int n) const { return server_->url("/pics/p" + std::to_string(n) + ".jpg"); }
  std::string url(const char* path) const { return server_->url(path); }
  int requestsFor(const std::string& path) const {
    auto requests = server_->requests();
    return static_cast<int>(
        std::count_if(requests.begin(), requests.end(),
                      [&](const ReceivedRequest& r) { return r.path == path; }));
  }

  template <typename T>
  static T* control(QWidget* dialog, const QString& name) {
    for (T* widget : dialog->findChildren<T*>())
      if (widget->accessibleName() == name) return widget;
    return nullptr;
  }
  // "加载宝贝", the text entered, "确定"; the dialog, or null when none opened.
  QPointer<ProductImportDialog> importText(const std::string& text, int pictureType = 0) {
    window->toolbarActions().loadProduct->trigger();
    QPointer<ProductImportDialog> dialog = window->findChild<ProductImportDialog*>();
    if (!dialog || !dialog->isVisible()) return nullptr;
    control<QComboBox>(dialog, QStringLiteral("图片类型："))->setCurrentIndex(pictureType);
    dialog->findChild<QLineEdit*>()->setText(QString::fromStdString(text));
    control<QPushButton>(dialog, QStringLiteral("确定"))->click();
    return dialog;
  }

  // Which served picture each list entry holds (1 to 4; 0 for none of them), in list order.
  std::vector<int> listedPictures() const {
    std::vector<int> numbers;
    for (const ImageItem& item : session.project().pictures) {
      auto found =
          std::find(pictures_.begin(), pictures_.end(), test::readBytes(*toFsName(item.path)));
      numbers.push_back(found == pictures_.end() ? 0 : int(found - pictures_.begin()) + 1);
    }
    return numbers;
  }
  static std::set<std::string> temporaryFiles() {
    std::set<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(programFolders().temp, ec))
      files.insert(entry.path().string());
    return files;
  }
  // Nothing but the listed pictures was left in the temporary folder since `before_`.
  void expectOnlyListedPicturesInTemporaryFolder() {
    std::set<std::string> listed, added;
    for (const ImageItem& item : session.project().pictures) listed.insert(*toFsName(item.path));
    for (const std::string& file : temporaryFiles())
      if (!before_.count(file)) added.insert(file);
    EXPECT_EQ(added, listed);
    before_ = temporaryFiles();
  }

  std::vector<std::string> pictures_;
  std::string list_;
  std::set<std::string> before_;
  std::unique_ptr<test::TestHttpServer> server_;
};

TEST_F(ProductImportDialogTest, ImportsInTheServicesOrderOrSaysWhyNot) {
  const QString about1688 = QStringLiteral("关于加载1688商品图片");
  std::string lies = url("/page.jpg") + ";" + url("/half.jpg") + ";" + url("/cut.jpg") + ";" +
                     url("/loop.jpg") + ";" + url("/endless.jpg");
  std::string item = "https://item.example/item.htm?id=12";
  struct Case {
    const char* name;
    int mode, maxPictures, pictureType;
    bool service;  // the service's address and item data address are set
    std::string text;
    std::vector<int> listed;          // the pictures expected in the list, in order
    QString message;                  // the start of the one box expected
    bool staysOpen;                   // refused at once: the dialog waits for a new text
    std::vector<std::string> logged;  // texts expected in the information window
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"item address", 0, 1000, 2, true, item, {1, 2, 3, 4}, "", false, {}},
      {"picture addresses, some lying", 6, 1000, 0, false,
       pic(2) + "; " + lies + ";" + pic(3) + ";" + pic(1), {2, 3, 1}, "", false,
       {"无法识别的图片:\n", "图片读取失败", "下载宝贝图片失败:\n" + url("/cut.jpg"),
        "下载宝贝图片失败:\n" + url("/loop.jpg"), "下载宝贝图片失败:\n" + url("/endless.jpg")}},
      {"id of letters", 5, 1000, 0, true, "https://item.example/item.htm?id=abc", {},
       QStringLiteral("输入的宝贝地址不符合规范！"), true, {}},
      {"1688 product", 5, 1000, 0, true, "https://detail.1688.com/offer/77.html", {}, about1688,
       true, {}},
      {"no service", 0, 1000, 0, false, item, {}, QStringLiteral("宝贝图片服务还没有配置"), true, {}},
      {"limit halfway", 0, 2, 0, true, item, {1, 2}, QStringLiteral("最多可以添加 2 张图片"),
       false, {}},
  };
  // clang-format on
  list_ = pic(1) + "\n" + pic(2) + "\n" + pic(3) + "\n" + pic(4) + "\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.reset();
    session.undoStack().clear();
    session.project() = Project();
    session.project().maxPictures = c.maxPictures;
    prompts.shown.clear();
    window = std::make_unique<MainWindow>(session, prompts);
    InformationWindow* information = attachInformationWindow(*window);
    updateServiceSettings([&](ServiceSettings& s) {
      s.serviceMode = c.mode;
      s.pictureTypes = 3;
      s.baseUrl = c.service ? url("") : "";
      s.itemDataTemplate = c.service ? url("/detail?id=%s") : "";
    });
    size_t requestsBefore = server_->requests().size();

    QPointer<ProductImportDialog> dialog = importText(c.text, c.pictureType);
    ASSERT_FALSE(dialog.isNull());
    if (c.staysOpen) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.isEmpty(); }, kWaitMs));
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_EQ(server_->requests().size(), requestsBefore);  // refused before any request
      QLabel* link = control<QLabel>(dialog, QStringLiteral("-> 使用浏览器扩展程序获取图片地址"));
      EXPECT_EQ(dialog->focusWidget() == link, c.message == about1688);
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, kWaitMs));
      ASSERT_TRUE(QTest::qWaitFor([&] { return pictureCount() >= int(c.listed.size()); }, kWaitMs));
    }
    EXPECT_EQ(listedPictures(), c.listed);
    ASSERT_EQ(prompts.shown.size(), c.message.isEmpty() ? 0 : 1);
    if (!c.message.isEmpty()) {
      EXPECT_EQ(prompts.shown[0].title, QStringLiteral("提示"));
      EXPECT_TRUE(prompts.shown[0].text.startsWith(c.message))
          << prompts.shown[0].text.toStdString();
    }
    for (const std::string& text : c.logged)
      EXPECT_TRUE(QTest::qWaitFor(
          [&] { return information->text().contains(QString::fromStdString(text)); }, kWaitMs))
          << text;
    expectOnlyListedPicturesInTemporaryFolder();
  }
  // The service heard the chosen picture type; the limit kept the third picture unasked.
  EXPECT_NE(server_->requests().at(0).path.find("&m=2&"), std::string::npos);
  EXPECT_EQ(requestsFor("/pics/p3.jpg"), 2);
}

TEST_F(ProductImportDialogTest, AStalledDownloadKeepsTheWindowLiveAndCancelKeepsWhatArrived) {
  updateServiceSettings([&](ServiceSettings& s) { s.baseUrl = url(""); });
  list_ = pic(1) + "\n" + pic(2) + "\n" + url("/stall.jpg") + "\n" + pic(3) + "\n";
  int ticks = 0;
  QTimer clock;
  QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
  clock.start(10);

  QPointer<ProductImportDialog> dialog = importText("https://item.example/item.htm?id=12");
  ASSERT_FALSE(dialog.isNull());
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictureCount() == 2 && requestsFor("/stall.jpg") > 0; },
                              kWaitMs));
  int ticksAtStall = ticks;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= ticksAtStall + 10; }, kWaitMs));
  EXPECT_TRUE(dialog->progressText().startsWith(QStringLiteral("加载宝贝图片: 2 / 4")));

  control<QPushButton>(dialog, QStringLiteral("取消"))->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, kWaitMs));
  EXPECT_EQ(listedPictures(), (std::vector<int>{1, 2}));
  EXPECT_EQ(requestsFor("/pics/p3.jpg"), 0);
  EXPECT_TRUE(prompts.shown.isEmpty());
  expectOnlyListedPicturesInTemporaryFolder();
}

// An import that ends without pictures, stopped while the list is fetched or refused by the
// service, takes its progress text off the status bar as well as out of the dialog.
TEST_F(ProductImportDialogTest, AnImportThatEndsWithoutPicturesClearsTheStatusBar) {
  updateServiceSettings([&](ServiceSettings& s) { s.baseUrl = url(""); });
  for (const char* answer : {"stall", "fail"}) {
    SCOPED_TRACE(answer);
    list_ = answer;
    prompts.shown.clear();
    QPointer<ProductImportDialog> dialog = importText("https://item.example/item.htm?id=12");
    ASSERT_FALSE(dialog.isNull());
    if (list_ == "stall") {
      ASSERT_TRUE(QTest::qWaitFor(
          [&] { return window->statusParts().messageText() == QStringLiteral("获取宝贝图片列表..."); },
          kWaitMs));
      control<QPushButton>(dialog, QStringLiteral("取消"))->click();
      ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, kWaitMs));
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.isEmpty(); }, kWaitMs));
      ASSERT_TRUE(dialog && dialog->isVisible());
      control<QPushButton>(dialog, QStringLiteral("取消"))->click();
    }
    EXPECT_EQ(window->statusParts().messageText(), QString());
    EXPECT_EQ(pictureCount(), 0);
  }
}

}  // namespace
}  // namespace pictavo
