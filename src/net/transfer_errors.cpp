#include "net/transfer_errors.h"

#include "util/charset.h"
#include "util/text_format.h"
#include "util/translate.h"

namespace pictavo {
namespace {

bool isTlsFailure(CURLcode code) {
  switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CLIENTCERT:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<std::string> connectionFailure(CURLcode code, const std::string& host,
                                             const ConnectionState& state, long osError,
                                             const std::string& detail) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return localFormat("无法解析域名: %s", host.c_str());
    case CURLE_COULDNT_CONNECT:
      return localFormat("使用非阻塞方式连接发生错误，错误码:%d",
                       static_cast<int>(osError));
    case CURLE_PEER_FAILED_VERIFICATION:
      return localFormat("HTTPS 服务器证书验证失败: %s", detail.c_str());
    case CURLE_SEND_ERROR:
      return std::string("socket send() failed");
    case CURLE_OPERATION_TIMEDOUT:
      if (!state.tcpConnected) return localText("使用非阻塞方式连接超时。");
      if (!state.tlsDone) return localText("HTTPS 安全连接超时: 服务器没有完成 TLS 握手。");
      return std::nullopt;
    default:
      if (isTlsFailure(code)) return localFormat("HTTPS 安全连接失败: %s", detail.c_str());
      return std::nullopt;
  }
}

}  // namespace pictavo
