// The item-API loader: asks the marketplace's item data interface for the product and
// reads the pictures from its JSON.
#include "net/http_client.h"
#include "net/import_steps.h"
#include "net/product_import.h"

namespace pictavo {

ImportResult loadProductImagesFromItemApi(const ProductQuery& query,
                                          const ServiceSettings& settings, ImportSink& sink) {
  ImportResult result;
  if (query.text.empty()) return result;
  importItem(
      query, ItemLayout::ItemApi,
      [&](const std::string& id) {
        return webRequest(importRequest(settings.itemDataTemplate + id + "&", sink));
      },
      sink, &result);
  return result;
}

}  // namespace pictavo
