// The vendor-service loader: the service answers with the product's picture addresses,
// one a line, or with a message for the user.
#include "net/http_client.h"
#include "net/http_url.h"
#include "net/import_steps.h"
#include "net/picture_list_download.h"
#include "net/product_import.h"
#include "net/service_paths.h"
#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

bool isWebAddress(std::string_view text) {
  return text.rfind("http://", 0) == 0 || text.rfind("https://", 0) == 0;
}

// The leading lines that are addresses, up to the first one that is not.
std::vector<std::string> addressLines(std::string_view body) {
  std::vector<std::string> addresses;
  while (!body.empty()) {
    size_t end = body.find('\n');
    std::string_view line = body.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!isWebAddress(line)) break;
    addresses.emplace_back(line);
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 1);
  }
  return addresses;
}

}  // namespace

ImportResult loadProductImagesFromService(const ProductQuery& query,
                                          const ServiceSettings& settings, ImportSink& sink) {
  ImportResult result;
  if (query.text.empty()) return result;
  UserMessage failed =
      errorMessage(localText("获取宝贝图片列表时出错，可以重试一次，或进入官网联系我们的客服。"));
  std::string base = serviceAddress(settings, kProductImagesPath);
  if (base.empty()) {
    result.notices.push_back(failed);
    return result;
  }
  HttpRequest request =
      importRequest(base + strprintf("?v=%0.1f&baobeiURL=", kProgramVersion) +
                        urlEncode(query.text) + strprintf("&m=%d&", query.pictureType),
                    sink);
  sink.status(fetchingListText());
  HttpResponse response = webRequest(request);
  if (response.errorKind == kHttpCancelled) {
    result.cancelled = true;
  } else if (!response.ok) {
    result.notices.push_back(failed);
  } else if (isWebAddress(response.body)) {
    result.addresses = addressLines(response.body);
    downloadPictureList(result.addresses, sink, &result);
  } else if (response.body.empty() || response.body[0] == '\n') {
    result.notices.push_back(noticeMessage(localText("宝贝图片列表为空")));
  } else {
    result.notices.push_back(noticeMessage(utf8ToGb18030(response.body).value_or(std::string())));
  }
  return result;
}

}  // namespace pictavo
