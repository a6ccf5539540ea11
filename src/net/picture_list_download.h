// Downloading a list of picture addresses into the sink's folder, one by one, with the
// progress text, the sink's picture limit and a log message for each failure.
#pragma once

#include <string>
#include <vector>

#include "net/product_import.h"

namespace pictavo {

// Downloads the addresses in order and adds each picture to the sink; stops (with the
// sink's limit message in `result`) when the sink is full.
void downloadPictureList(const std::vector<std::string>& addresses, ImportSink& sink,
                         ImportResult* result);

// "加载宝贝图片: i / n" and a bar of ellipses that grows with i (GBK).
std::string importProgressText(int i, int n);

// An unused file name "HH-MM-SS-nnn.jpg" in `folder` (GBK path).
std::string newDownloadPath(const std::string& folder);

}  // namespace pictavo
