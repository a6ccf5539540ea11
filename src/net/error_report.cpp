#include "net/error_report.h"

#include "net/http_client.h"
#include "net/service_paths.h"
#include "platform/error_log.h"
#include "platform/system_info.h"
#include "project/service_config.h"
#include "util/charset.h"
#include "util/text_format.h"

namespace pictavo {
namespace {

// GBK text for the network: UTF-8, or the text as it is when it cannot be converted.
std::string forNetwork(const std::string& gbkText) { return gb18030ToUtf8(gbkText).value_or(gbkText); }

HttpResponse send(const std::string& address, const std::string& name, const std::string& text) {
  HttpRequest request;
  request.url = address;
  request.postBody = "os=" + urlEncode(systemVersion()) + "&name=" + urlEncode(forNetwork(name)) +
                     "&text=" + urlEncode(forNetwork(text)) +
                     strprintf("&v=%0.1f", kProgramVersion);
  return webRequest(request);
}

}  // namespace

bool reportError(const std::string& name, const std::string& text) {
  std::string address = serviceAddress(serviceSettings(), kErrorReportPath);
  if (address.empty()) {
    appendErrorLog(name, text, "");
    return false;
  }
  HttpResponse response = send(address, name, text);
  if (!response.ok) appendErrorLog(name, text, response.error);
  return response.ok;
}

}  // namespace pictavo
