#include "net/import_steps.h"

#include "net/item_id.h"
#include "net/picture_list_download.h"
#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {

std::string fetchingListText() { return localText("获取宝贝图片列表..."); }

namespace {

// The error box of a failed item data request: its header text and error message.
UserMessage itemRequestFailure(const HttpResponse& response) {
  return errorMessage(localText("获取宝贝图片列表时出错:\n\n") + response.headerText + "\n\n" +
                      response.error.substr(0, 256));
}

// Reads the item data answer and downloads its pictures, or records why there are none.
void importItemData(const HttpResponse& response, ItemLayout layout, const ProductQuery& query,
                    ImportSink& sink, ImportResult* result) {
  ItemJson item = readItemJson(response.body, layout, query.pictureType);
  if (auto notice = itemJsonNotice(item, response.body)) {
    result->notices.push_back(*notice);
    return;
  }
  result->addresses = item.addresses;
  downloadPictureList(result->addresses, sink, result);
}

}  // namespace

void importItem(const ProductQuery& query, ItemLayout layout, const ItemDataRequest& request,
                ImportSink& sink, ImportResult* result) {
  std::string id;
  if (!extractItemId(query.text, &id)) {
    result->notices.push_back(noticeMessage(localText("输入的宝贝地址不符合规范！")));
    return;
  }
  sink.status(fetchingListText());
  HttpResponse response = request(id);
  if (response.errorKind == kHttpCancelled) {
    result->cancelled = true;
    return;
  }
  if (!response.ok) {
    result->notices.push_back(itemRequestFailure(response));
    return;
  }
  importItemData(response, layout, query, sink, result);
}

}  // namespace pictavo
