#include "net/import_steps.h"

#include "net/picture_list_download.h"
#include "util/charset.h"

namespace pictavo {

std::string fetchingListText() { return gbk("获取宝贝图片列表..."); }

UserMessage itemRequestFailure(const HttpResponse& response) {
  return errorMessage(gbk("获取宝贝图片列表时出错:\n\n") + response.headerText + "\n\n" +
                      response.error.substr(0, 256));
}

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

}  // namespace pictavo
