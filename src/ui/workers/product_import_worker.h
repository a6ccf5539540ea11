// Runs one product picture import on its own thread: the loader the service settings choose
// downloads into the temporary folder, and every picture the list can take is reported as
// it arrives, in the service's order. The import stops when the project would be full.
// The progress text ("获取宝贝图片列表...", "加载宝贝图片: i / n ...") is its status.
#pragma once

#include <QString>

#include <string>

#include "net/product_import.h"
#include "project/project_model.h"
#include "project/service_config.h"
#include "ui/workers/task.h"

namespace pictavo {

class ProductImportWorker : public Task {
  Q_OBJECT

 public:
  // `project` is read here, on the window's thread: its free places and its limit message.
  ProductImportWorker(ProductQuery query, ServiceSettings settings, const Project& project);
  ~ProductImportWorker() override;

  // What the import found and the messages for the user; read after `finished`.
  const ImportResult& result() const { return result_; }

 signals:
  // A downloaded picture that the list can take, ready to be added.
  void pictureArrived(const QString& path);

 protected:
  void run() override;

 private:
  class Sink;

  ProductQuery query_;
  ServiceSettings settings_;
  int freePlaces_;
  std::string limitMessage_;
  std::string folder_;
  ImportResult result_;
};

}  // namespace pictavo
