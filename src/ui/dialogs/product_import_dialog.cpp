#include "ui/dialogs/product_import_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "app/qt_text.h"
#include "app/user_prompts.h"
#include "net/item_id.h"
#include "project/project_model.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/status_bar_task.h"
#include "ui/web_pages.h"
#include "ui/workers/product_import_worker.h"

namespace pictavo {
namespace {

constexpr int kAddressChars = 8192;
constexpr int kPictureTypesWithColours = 3;
constexpr int kPictureAddressMode = 6;
constexpr int kLinkOn1688Mode = 5;

// Deployment values: the 1688 marketplace's domain as the dialog looks for it, and the
// vendor's page about the browser extension that collects picture addresses.
const QString k1688Domain = QStringLiteral(".1688.com/");
const char kBrowserExtensionPagePath[] = "/extension.html";

bool names1688(const QString& text) { return text.contains(k1688Domain, Qt::CaseInsensitive); }

// True when the loader the settings choose would need the vendor service (its address, or
// the item data address it hands out) for this query and it is not configured. Picture
// addresses entered directly, and queries the loader refuses on sight, need no service.
bool needsMissingService(const ProductQuery& query, const ServiceSettings& settings) {
  switch (chooseProductLoader(settings)) {
    case ProductLoader::VendorService:
      return settings.baseUrl.empty();
    case ProductLoader::ItemApi:
      return settings.itemDataTemplate.empty();
    case ProductLoader::ItemPage:
      break;
  }
  if (settings.serviceMode == kPictureAddressMode || !directPictureAddresses(query.text).empty())
    return false;
  std::string id;
  return extractItemId(query.text, &id) && settings.itemDataTemplate.empty();
}

QMessageBox::Icon iconOf(const UserMessage& message) {
  return fromCore(message.caption) == QObject::tr("错误") ? QMessageBox::Critical
                                                          : QMessageBox::Warning;
}

}  // namespace

ProductImportDialog::ProductImportDialog(UserPrompts& prompts, const Project& project,
                                         AddPictures addPictures, QWidget* owner)
    : QDialog(owner),
      prompts_(prompts),
      project_(project),
      addPictures_(std::move(addPictures)),
      settings_(serviceSettings()),
      typeLabel_(new QLabel(tr("图片类型："), this)),
      type_(new QComboBox(this)),
      addressLabel_(new QLabel(tr("宝贝地址或图片地址："), this)),
      address_(new QLineEdit(this)),
      link_(new QLabel(this)),
      progress_(new QLabel(this)),
      ok_(new QPushButton(tr("确定"), this)),
      cancel_(new QPushButton(tr("取消"), this)) {
  setObjectName(QStringLiteral("Dialog_Load_Baobei"));
  setWindowTitle(tr("加载宝贝图片"));
  setFixedSize(431, 163);
  buildControls();
  if (settings_.serviceMode == kPictureAddressMode) arrangeForPictureAddresses();
}

ProductImportDialog::~ProductImportDialog() = default;

void ProductImportDialog::buildControls() {
  // The label as wide as a longer language needs; the list follows it.
  const int typeWidth = std::max(60, typeLabel_->sizeHint().width());
  typeLabel_->setGeometry(16, 23, typeWidth, 19);
  type_->addItem(tr("主图"));
  if (settings_.pictureTypes == kPictureTypesWithColours)
    type_->addItems({tr("颜色分类图"), tr("主图 + 颜色分类图")});
  int listWidth = 136;  // or the longest entry and the arrow, when that is wider
  for (int i = 0; i < type_->count(); ++i)
    listWidth = std::max(listWidth, type_->fontMetrics().horizontalAdvance(type_->itemText(i)) + 30);
  type_->setGeometry(16 + typeWidth, 19, listWidth, 21);
  type_->setAccessibleName(typeLabel_->text());
  typeLabel_->setBuddy(type_);

  addressLabel_->setGeometry(16, 56, 396, 19);
  address_->setGeometry(16, 76, 396, 22);
  address_->setMaxLength(kAddressChars);
  address_->setAccessibleName(addressLabel_->text());
  addressLabel_->setBuddy(address_);
  if (settings_.serviceMode == kLinkOn1688Mode)
    connect(address_, &QLineEdit::textChanged, this, &ProductImportDialog::showLinkFor1688);

  link_->setGeometry(16, 126, 230, 21);
  link_->setText(tr("<a href=\"#\">-&gt; 使用浏览器扩展程序获取图片地址</a> "));
  link_->setAccessibleName(tr("-> 使用浏览器扩展程序获取图片地址"));
  link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link_->setFocusPolicy(Qt::StrongFocus);
  link_->hide();
  connect(link_, &QLabel::linkActivated, this,
          [this] { openServicePage(prompts_, this, QLatin1String(kBrowserExtensionPagePath)); });

  // Between the address and the buttons: what the download is doing.
  progress_->setGeometry(16, 100, 396, 19);
  progress_->setAccessibleName(tr("进度"));

  ok_->setGeometry(250, 120, 76, 25);
  ok_->setDefault(true);
  ok_->setAccessibleName(ok_->text());
  cancel_->setGeometry(336, 120, 76, 25);
  cancel_->setAccessibleName(cancel_->text());
  connect(ok_, &QPushButton::clicked, this, &ProductImportDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &ProductImportDialog::reject);
}

// Only picture addresses are taken: no picture type, the address field higher up and the
// link to the browser extension shown.
void ProductImportDialog::arrangeForPictureAddresses() {
  typeLabel_->hide();
  type_->hide();
  addressLabel_->setText(tr("图片地址："));
  addressLabel_->move(16, 36);
  address_->move(16, 56);
  address_->setAccessibleName(addressLabel_->text());
  link_->show();
}

void ProductImportDialog::showLinkFor1688(const QString& text) {
  if (names1688(text)) link_->show();
}

QString ProductImportDialog::progressText() const { return progress_->text(); }

void ProductImportDialog::confirm() {
  if (importing()) return;
  QString text = address_->text().trimmed();
  if (names1688(text)) {
    prompts_.message(this, QMessageBox::Warning, tr("提示"),
                     tr("关于加载1688商品图片：\n\n请点击【使用浏览器扩展程序获取图片地址】\n"
                        "先获取商品图片地址，然后将图片地址添加到软件中。"));
    link_->show();
    link_->setFocus();
    return;
  }
  if (text.isEmpty()) {
    accept();
    return;
  }
  ProductQuery query{type_->currentIndex(), toCore(text)};
  if (needsMissingService(query, settings_)) {
    prompts_.message(this, QMessageBox::Warning, tr("提示"),
                     tr("宝贝图片服务还没有配置，暂时无法加载宝贝图片。\n\n"
                        "请设置环境变量 PICTAVO_SERVICE_URL，或在首选项文件中把 service_url "
                        "设为宝贝图片服务的地址，然后再试。"));
    return;
  }
  startImport(query);
}

void ProductImportDialog::startImport(const ProductQuery& query) {
  workerDone_ = false;
  stopRequested_ = false;
  worker_ = std::make_unique<ProductImportWorker>(query, settings_, project_);
  connect(worker_.get(), &Task::statusChanged, this,
          &ProductImportDialog::showProgress, Qt::QueuedConnection);
  connect(worker_.get(), &ProductImportWorker::pictureArrived, this,
          &ProductImportDialog::takePicture, Qt::QueuedConnection);
  connect(worker_.get(), &Task::finished, this, &ProductImportDialog::importFinished);
  setInputEnabled(false);
  showProgress(QString());
  emit importStarted(*worker_);
  worker_->start();
}

void ProductImportDialog::showProgress(const QString& text) {
  progress_->setText(text);
}

void ProductImportDialog::takePicture(const QString& path) {
  arrived_.enqueue(path);
  feedPictures();
}

// Adding a picture may run an event loop of its own, in which further pictures arrive: they
// wait in the queue so that the list keeps the service's order.
void ProductImportDialog::feedPictures() {
  if (feeding_) return;
  feeding_ = true;
  while (!arrived_.isEmpty()) addPictures_({arrived_.dequeue()});
  feeding_ = false;
  if (workerDone_) finishImport();
}

void ProductImportDialog::importFinished() {
  workerDone_ = true;
  if (!feeding_) finishImport();
}

// Every arrived picture is handed over: the messages, then the dialog closes, unless nothing
// came and the user did not stop it, so that the address can be corrected.
void ProductImportDialog::finishImport() {
  workerDone_ = false;
  ImportResult result = worker_->result();
  // The worker's thread has ended; the object goes once its last signal is delivered.
  worker_.release()->deleteLater();
  setInputEnabled(true);
  showProgress(QString());
  for (const UserMessage& notice : result.notices)
    prompts_.message(this, iconOf(notice), fromCore(notice.caption), fromCore(notice.text));
  if (result.added > 0 || result.cancelled || stopRequested_) {
    done(result.added > 0 ? Accepted : Rejected);
  } else {
    address_->setFocus();
  }
}

void ProductImportDialog::reject() {
  if (!importing()) {
    QDialog::reject();
    return;
  }
  stopRequested_ = true;
  worker_->cancel();
  cancel_->setEnabled(false);
}

void ProductImportDialog::setInputEnabled(bool enabled) {
  type_->setEnabled(enabled);
  address_->setEnabled(enabled);
  ok_->setEnabled(enabled);
  cancel_->setEnabled(true);
  if (enabled)
    unsetCursor();
  else
    setCursor(Qt::BusyCursor);
}

void openProductImportDialog(MainWindow& window, UserPrompts& prompts, const Project& project) {
  auto* dialog = new ProductImportDialog(
      prompts, project, [&window](const QStringList& paths) { window.addPictureFiles(paths); },
      &window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  auto* shown = new StatusBarTask(window.statusParts(), dialog);
  QObject::connect(dialog, &ProductImportDialog::importStarted, shown,
                   [shown](Task& task) { shown->follow(task, QString()); });
  dialog->open();
}

}  // namespace pictavo
