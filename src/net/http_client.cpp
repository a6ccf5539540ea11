#include "net/http_client.h"

#include "net/body_targets.h"
#include "net/curl_exchange.h"
#include "net/http_header.h"
#include "net/http_url.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

// A redirect target for a download: a "_.webp" ending names the WebP variant of a picture
// whose original is wanted.
std::string downloadTarget(std::string location) {
  if (endsWithNoCase(location, "_.webp")) location.resize(location.size() - 6);
  return location;
}

Exchange perform(const HttpRequest& request, BodyTarget& target);

// Redirects are followed as keep-alive GETs. A failure further along the chain is returned
// as it is: that request already had its own retry.
Exchange follow(const HttpRequest& request, std::string location, BodyTarget& target) {
  if (request.redirectDepth >= kHttpRedirectLimit)
    return failedExchange(kHttpProtocolFailed, localText("HTTP连继跳转已超过允许的次数。"));
  if (target.isDownload()) location = downloadTarget(std::move(location));
  if (request.httpsOnly && !startsWithNoCase(location, "https:"))
    return failedExchange(kHttpProtocolFailed, localFormat("拒绝跳转到不加密的地址: %s", location.c_str()));
  HttpRequest next;
  next.url = std::move(location);
  next.cookie = request.cookie;
  next.referer = request.referer;
  next.keepAlive = true;
  next.redirectDepth = request.redirectDepth + 1;
  next.cancelled = request.cancelled;
  next.httpsOnly = request.httpsOnly;
  return perform(next, target);
}

Exchange perform(const HttpRequest& request, BodyTarget& target) {
  Exchange e = exchangeOnce(request, target);
  if (e.redirect) return follow(request, *e.redirect, target);
  if (e.ok || e.invalidUrl || e.final || !request.keepAlive ||
      request.redirectDepth >= kHttpRedirectLimit)
    return e;
  // The keep-alive try failed (a stale connection, a body only the close delimits): once
  // more on a fresh connection.
  HttpRequest fresh = request;
  fresh.keepAlive = false;
  return perform(fresh, target);
}

// The outcome of an exchange as a response or download result: everything but the body.
template <class Result>
Result outcomeOf(Exchange& e) {
  Result result;
  result.ok = e.ok;
  result.headerText = std::move(e.headerText);
  result.length = e.length;
  result.errorKind = e.errorKind;
  result.error = std::move(e.error);
  return result;
}

}  // namespace

HttpResponse webRequest(const HttpRequest& request) {
  MemoryTarget target(kHttpBodyLimit);
  Exchange e = perform(request, target);
  HttpResponse response = outcomeOf<HttpResponse>(e);
  if (e.ok) response.body = target.takeBody();
  return response;
}

DownloadResult webDownloadToFile(const HttpRequest& request, const std::string& gbkPath) {
  HttpRequest get = request;
  get.postBody.reset();
  FileTarget target(gbkPath);
  Exchange e = perform(get, target);
  return outcomeOf<DownloadResult>(e);
}

}  // namespace pictavo
