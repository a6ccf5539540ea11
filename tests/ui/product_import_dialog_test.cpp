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
        [this](const ReceivedRequest& r, ServerConnection& c) { answer(r, c); });
  }
  ~ProductImportDialogTest() override {
    closePooledSockets();
    resetServiceSettings();
  }

  void answer(const ReceivedRequest& r, ServerConnection& c) {
    if (r.path.rfind("/getProductImg/", 0) == 0) {
      c.send(test::okResponse(list_));
    } else if (r.path.rfind("/pics/p", 0) == 0) {
      c.send(test::okResponse(pictures_.at(std::stoul(r.path.substr(7)) - 1)));
    } else if (r.path == "/page.jpg") {
      c.send(test::okResponse("<html><body>no picture here</body></html>",
                              "Content-Type: text/html\r\n"));
    } else if (r.path == "/half.jpg") {
      c.send(test::okResponse(pictures_[0].substr(0, 60)));
    } else if (r.path == "/cut.jpg") {
      c.send("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + pictures_[0].substr(0, 60));
      c.close();
    } else if (r.path == "/loop.jpg") {
      c.send(test::redirectResponse(server_->url("/loop.jpg")));
    } else if (r.path == "/endless.jpg") {
      std::string block(64 * 1024, 'x');
      if (c.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n"))
        while (c.send(block)) {
        }
      c.close();
    } else if (r.path == "/stall.jpg") {
      c.waitUntilStopped();
    } else {
      c.send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    }
  }

  std::string pic(int n) const { return server_->url("/pics/p" + std::to_string(n) + ".jpg"); }
  std::string url(const char* path) const { return server_->url(path); }

  // The open import dialog, after "加载宝贝".
  ProductImportDialog* openDialog() {
    window->toolbarActions().loadProduct->trigger();
    auto* dialog = window->findChild<ProductImportDialog*>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
  }
  template <typename T>
  static T* control(QWidget* dialog, const QString& name) {
    for (T* widget : dialog->findChildren<T*>())
      if (widget->accessibleName() == name) return widget;
    return nullptr;
  }
  void enter(ProductImportDialog* dialog, const std::string& text) {
    auto* address = dialog->findChild<QLineEdit*>();
    address->setText(QString::fromStdString(text));
    control<QPushButton>(dialog, QStringLiteral("确定"))->click();
  }

  int requestsFor(const std::string& path) const {
    int count = 0;
    for (const ReceivedRequest& r : server_->requests()) count += r.path == path;
    return count;
  }
  // Which served picture each list entry holds (1 to 4; 0 for none of them), in list order.
  std::vector<int> listedPictures() const {
    std::vector<int> numbers;
    for (const ImageItem& item : session.project().pictures) {
      std::string bytes = test::readBytes(*toFsName(item.path));
      auto found = std::find(pictures_.begin(), pictures_.end(), bytes);
      numbers.push_back(found == pictures_.end() ? 0
                                                 : static_cast<int>(found - pictures_.begin()) + 1);
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
  std::set<std::string> listedPaths() const {
    std::set<std::string> paths;
    for (const ImageItem& item : session.project().pictures) paths.insert(*toFsName(item.path));
    return paths;
  }

  std::vector<std::string> pictures_;
  std::string list_;
  std::unique_ptr<test::TestHttpServer> server_;
};

TEST_F(ProductImportDialogTest, ImportsInTheServicesOrderOrSaysWhyNot) {
  const QString refused = QStringLiteral("输入的宝贝地址不符合规范！");
  const QString about1688 = QStringLiteral("关于加载1688商品图片");
  const QString notConfigured = QStringLiteral("宝贝图片服务还没有配置");
  struct Case {
    const char* name;
    int mode;
    bool service;  // the service's address is set
    int maxPictures;
    int pictureType;  // the entry chosen in "图片类型："
    std::string text;
    std::vector<int> listed;  // pictures expected in the list, in order
    QString message;          // start of the one box expected ("" for none)
    bool staysOpen;
    std::vector<std::string> logged;  // texts expected in the information window
  };
  std::string lies = url("/page.jpg") + ";" + url("/half.jpg") + ";" + url("/cut.jpg") + ";" +
                     url("/loop.jpg") + ";" + url("/endless.jpg");
  std::string item = "https://item.example/item.htm?id=12";
  // clang-format off
  const std::vector<Case> cases = {
      {"item address", 0, true, 1000, 2, item, {1, 2, 3, 4}, "", false, {}},
      {"picture addresses, some lying", 6, false, 1000, 0,
       pic(2) + "; " + lies + ";" + pic(3) + ";" + pic(1), {2, 3, 1}, "", false,
       {"无法识别的图片:\n", "图片读取失败", "下载宝贝图片失败:\n" + url("/cut.jpg"),
        "下载宝贝图片失败:\n" + url("/loop.jpg"), "下载宝贝图片失败:\n" + url("/endless.jpg")}},
      {"id of letters", 5, true, 1000, 0, "https://item.example/item.htm?id=abc", {}, refused,
       true, {}},
      {"1688 product", 5, true, 1000, 0, "https://detail.1688.com/offer/77.html", {}, about1688,
       true, {}},
      {"no service", 0, false, 1000, 0, item, {}, notConfigured, true, {}},
      {"limit halfway", 0, true, 2, 0, item, {1, 2}, QStringLiteral("最多可以添加 2 张图片"),
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
    std::set<std::string> before = temporaryFiles();
    size_t requestsBefore = server_->requests().size();

    QPointer<ProductImportDialog> dialog = openDialog();
    ASSERT_FALSE(dialog.isNull());
    if (c.pictureType)
      control<QComboBox>(dialog, QStringLiteral("图片类型："))->setCurrentIndex(c.pictureType);
    enter(dialog, c.text);
    if (c.staysOpen) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.isEmpty(); }, kWaitMs));
      EXPECT_TRUE(dialog->isVisible());
      // Refused before anything was asked of the network.
      EXPECT_EQ(server_->requests().size(), requestsBefore);
      if (c.message == about1688) {
        auto* link = control<QLabel>(dialog, QStringLiteral("-> 使用浏览器扩展程序获取图片地址"));
        EXPECT_TRUE(link->isVisible());
        EXPECT_EQ(dialog->focusWidget(), link);
      }
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, kWaitMs));
      ASSERT_TRUE(QTest::qWaitFor(
          [&] { return pictureCount() >= static_cast<int>(c.listed.size()); }, kWaitMs));
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
    // Nothing but the listed pictures is left in the temporary folder.
    std::set<std::string> added;
    for (const std::string& file : temporaryFiles())
      if (!before.count(file)) added.insert(file);
    EXPECT_EQ(added, listedPaths());
  }
  // The limit stopped the downloads: in its case the third picture was never asked for.
  EXPECT_EQ(requestsFor("/pics/p3.jpg"), 2);
  // The service was told the chosen picture type.
  EXPECT_NE(server_->requests().at(0).path.find("&m=2&"), std::string::npos);
}

TEST_F(ProductImportDialogTest, AStalledDownloadKeepsTheWindowLiveAndCancelKeepsWhatArrived) {
  updateServiceSettings([&](ServiceSettings& s) { s.baseUrl = url(""); });
  list_ = pic(1) + "\n" + pic(2) + "\n" + url("/stall.jpg") + "\n" + pic(3) + "\n";
  std::set<std::string> before = temporaryFiles();
  int ticks = 0;
  QTimer clock;
  QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
  clock.start(10);

  QPointer<ProductImportDialog> dialog = openDialog();
  ASSERT_FALSE(dialog.isNull());
  enter(dialog, "https://item.example/item.htm?id=12");
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictureCount() == 2 && requestsFor("/stall.jpg") > 0; },
                              kWaitMs));
  int ticksAtStall = ticks;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= ticksAtStall + 10; }, kWaitMs));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->progressText().startsWith(QStringLiteral("加载宝贝图片: 2 / 4")))
      << dialog->progressText().toStdString();

  control<QPushButton>(dialog, QStringLiteral("取消"))->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, kWaitMs));
  EXPECT_EQ(listedPictures(), (std::vector<int>{1, 2}));
  EXPECT_EQ(requestsFor("/pics/p3.jpg"), 0);
  EXPECT_TRUE(prompts.shown.isEmpty());
  std::set<std::string> added;
  for (const std::string& file : temporaryFiles())
    if (!before.count(file)) added.insert(file);
  EXPECT_EQ(added, listedPaths());
}

}  // namespace
}  // namespace pictavo
