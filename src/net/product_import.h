// Importing the pictures of a marketplace product: the three loaders (vendor service, item
// data interface, item page), each a function of what the user entered and the service
// settings. They download into a folder, hand each picture to an ImportSink and return the
// messages the user interface shows; download failures go to the information log.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "net/http_request.h"
#include "project/service_config.h"
#include "project/user_message.h"

namespace pictavo {

// What the user entered in the load-product-pictures dialog.
struct ProductQuery {
  int pictureType = 0;  // 0 main pictures, 1 colour-category pictures, 2 both
  std::string text;     // GBK, blanks trimmed: a product address or picture addresses
};

// Where downloaded pictures go: the project, or a plain folder.
class ImportSink {
 public:
  virtual ~ImportSink() = default;
  // The folder the pictures are downloaded into (GBK).
  virtual std::string folder() const = 0;
  // True when no more pictures may be added, and the message that says so.
  virtual bool full() const = 0;
  virtual std::string fullMessage() const = 0;
  // Takes a downloaded picture; false when it could not be added (the file is then removed).
  virtual bool add(const std::string& gbkPath) = 0;
  // The status text of the main window (part 1).
  virtual void status(const std::string& gbkText) { (void)gbkText; }

  // Stops the import between and inside requests; any thread may call it.
  void cancel() { cancel_.store(true); }
  // Polled by the import; a sink may add reasons of its own (an interrupt).
  virtual bool cancelled() const { return cancel_.load(); }

 private:
  std::atomic<bool> cancel_{false};
};

struct ImportResult {
  std::vector<std::string> addresses;  // picture addresses found, in order
  int added = 0;                       // pictures downloaded and taken by the sink
  std::vector<UserMessage> notices;    // message boxes, in order ("提示" or "错误")
  bool cancelled = false;              // the sink's cancel stopped it
};

// A request of the import: it stops when the sink is cancelled.
HttpRequest importRequest(const std::string& url, const ImportSink& sink);

enum class ProductLoader { VendorService, ItemApi, ItemPage };

// Service modes 1, 3, 5 and 6 use the direct loaders: the item-API loader when the item
// data template names the mobile item interface's host, else the item-page loader.
ProductLoader chooseProductLoader(const ServiceSettings& settings);

ImportResult loadProductImagesFromService(const ProductQuery& query,
                                          const ServiceSettings& settings, ImportSink& sink);
ImportResult loadProductImagesFromItemApi(const ProductQuery& query,
                                          const ServiceSettings& settings, ImportSink& sink);
ImportResult loadProductImagesFromItemPage(const ProductQuery& query,
                                           const ServiceSettings& settings, ImportSink& sink);

// The parts of the text between ";" that are picture addresses ("http://" or "https://",
// ending in ".jpg", ".png" or ".gif"): the item-page loader downloads these directly.
std::vector<std::string> directPictureAddresses(std::string_view text);

// The loader chosen for the settings.
ImportResult loadProductImages(const ProductQuery& query, const ServiceSettings& settings,
                               ImportSink& sink);

}  // namespace pictavo
