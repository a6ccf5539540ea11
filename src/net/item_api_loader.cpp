// The item-API loader: asks the marketplace's item data interface for the product and
// reads the pictures from its JSON.
#include "net/http_client.h"
#include "net/import_steps.h"
#include "net/item_id.h"
#include "net/product_import.h"
#include "util/charset.h"

namespace pictavo {

ImportResult loadProductImagesFromItemApi(const ProductQuery& query,
                                          const ServiceSettings& settings, ImportSink& sink) {
  ImportResult result;
  if (query.text.empty()) return result;
  std::string id;
  if (!extractItemId(query.text, &id)) {
    result.notices.push_back(noticeMessage(gbk("输入的宝贝地址不符合规范！")));
    return result;
  }
  HttpRequest request = importRequest(settings.itemDataTemplate + id + "&", sink);
  sink.status(fetchingListText());
  HttpResponse response = webRequest(request);
  if (response.errorKind == kHttpCancelled) {
    result.cancelled = true;
    return result;
  }
  if (!response.ok) {
    result.notices.push_back(itemRequestFailure(response));
    return result;
  }
  importItemData(response, ItemLayout::ItemApi, query, sink, &result);
  return result;
}

}  // namespace pictavo
