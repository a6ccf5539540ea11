// The import sink of a project: pictures are downloaded into the temporary folder and added
// at the end of the picture list, up to the project's limit.
#pragma once

#include "net/product_import.h"
#include "project/project_model.h"

namespace pictavo {

class ProjectImportSink : public ImportSink {
 public:
  explicit ProjectImportSink(Project& project) : project_(project) {}
  std::string folder() const override;
  bool full() const override;
  std::string fullMessage() const override;
  bool add(const std::string& gbkPath) override;

 private:
  Project& project_;
};

}  // namespace pictavo
