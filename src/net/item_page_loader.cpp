// The item-page loader: takes picture addresses entered directly, or asks the marketplace's
// item data address (with the item page as referer, and the cookie on a second try) and
// reads the pictures from its JSON.
#include "net/http_client.h"
#include "net/import_steps.h"
#include "net/item_id.h"
#include "net/picture_list_download.h"
#include "net/product_import.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool isPictureAddress(std::string_view part) {
  bool web = part.rfind("http://", 0) == 0 || part.rfind("https://", 0) == 0;
  return web && (endsWithNoCase(part, ".jpg") || endsWithNoCase(part, ".png") ||
                 endsWithNoCase(part, ".gif"));
}

HttpResponse requestItemData(const ServiceSettings& settings, const std::string& id,
                             const ImportSink& sink) {
  HttpRequest request = importRequest(fillTemplate(settings.itemDataTemplate, id), sink);
  if (!settings.itemPageReferer.empty())
    request.referer = fillTemplate(settings.itemPageReferer, id);
  HttpResponse response = webRequest(request);
  if (response.ok || response.errorKind == kHttpCancelled || settings.cookie.empty())
    return response;
  request.cookie = settings.cookie;
  return webRequest(request);
}

}  // namespace

std::vector<std::string> directPictureAddresses(std::string_view text) {
  std::vector<std::string> addresses;
  for (;;) {
    size_t end = text.find(';');
    std::string_view part = trimmed(text.substr(0, end));
    if (isPictureAddress(part)) addresses.emplace_back(part);
    if (end == std::string_view::npos) return addresses;
    text.remove_prefix(end + 1);
  }
}

ImportResult loadProductImagesFromItemPage(const ProductQuery& query,
                                           const ServiceSettings& settings, ImportSink& sink) {
  ImportResult result;
  if (query.text.empty()) return result;
  result.addresses = directPictureAddresses(query.text);
  if (!result.addresses.empty()) {
    downloadPictureList(result.addresses, sink, &result);
    return result;
  }
  if (settings.serviceMode == 6) {
    result.notices.push_back(noticeMessage(localText("输入的图片地址不符合规范！")));
    return result;
  }
  importItem(
      query, ItemLayout::ItemPage,
      [&](const std::string& id) { return requestItemData(settings, id, sink); }, sink, &result);
  return result;
}

}  // namespace pictavo
