// "加载宝贝图片": the user enters a product address (or picture addresses) and the picture
// type; the pictures are then downloaded on a worker thread while the dialog shows the
// progress and its "取消" stops the download. Each picture is handed to the window as it
// arrives; the pictures that arrived stay when the download is stopped.
#pragma once

#include <QDialog>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <memory>

#include "net/product_import.h"
#include "project/service_config.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pictavo {

class MainWindow;
class ProductImportWorker;
class Task;
class UserPrompts;
struct Project;

class ProductImportDialog : public QDialog {
  Q_OBJECT

 public:
  // Adds downloaded pictures to the project (the window's one path for new pictures).
  using AddPictures = std::function<void(const QStringList& paths)>;

  ProductImportDialog(UserPrompts& prompts, const Project& project, AddPictures addPictures,
                      QWidget* owner);
  ~ProductImportDialog() override;

  bool importing() const { return worker_ != nullptr; }
  QString progressText() const;

 signals:
  // An import began: the window shows its progress in the status bar as well.
  void importStarted(Task& task);

 protected:
  // "取消", Escape and the close button: stop a running download (the dialog closes when it
  // has stopped), else close.
  void reject() override;

 private:
  void buildControls();
  void arrangeForPictureAddresses();
  void showLinkFor1688(const QString& text);
  void confirm();
  void startImport(const ProductQuery& query);
  void showProgress(const QString& text);
  void takePicture(const QString& path);
  void feedPictures();
  void importFinished();
  void finishImport();
  void setInputEnabled(bool enabled);

  UserPrompts& prompts_;
  const Project& project_;
  AddPictures addPictures_;
  ServiceSettings settings_;
  std::unique_ptr<ProductImportWorker> worker_;
  QQueue<QString> arrived_;
  bool feeding_ = false;
  bool workerDone_ = false;
  bool stopRequested_ = false;

  QLabel* typeLabel_;
  QComboBox* type_;
  QLabel* addressLabel_;
  QLineEdit* address_;
  QLabel* link_;
  QLabel* progress_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// "加载宝贝": opens the dialog over the window (window-modal) for the window's project.
void openProductImportDialog(MainWindow& window, UserPrompts& prompts, const Project& project);

}  // namespace pictavo
