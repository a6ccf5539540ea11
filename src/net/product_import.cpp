#include "net/product_import.h"

namespace pictavo {

ProductLoader chooseProductLoader(const ServiceSettings& settings) {
  int mode = settings.serviceMode;
  if (mode != 1 && mode != 3 && mode != 5 && mode != 6) return ProductLoader::VendorService;
  const std::string& host = settings.itemApiHost;
  bool namesApiHost = !host.empty() && settings.itemDataTemplate.find(host) != std::string::npos;
  return namesApiHost ? ProductLoader::ItemApi : ProductLoader::ItemPage;
}

HttpRequest importRequest(const std::string& url, const ImportSink& sink) {
  HttpRequest request;
  request.url = url;
  request.keepAlive = true;
  request.cancelled = [&sink] { return sink.cancelled(); };
  return request;
}

ImportResult loadProductImages(const ProductQuery& query, const ServiceSettings& settings,
                               ImportSink& sink) {
  switch (chooseProductLoader(settings)) {
    case ProductLoader::ItemApi:
      return loadProductImagesFromItemApi(query, settings, sink);
    case ProductLoader::ItemPage:
      return loadProductImagesFromItemPage(query, settings, sink);
    case ProductLoader::VendorService:
      break;
  }
  return loadProductImagesFromService(query, settings, sink);
}

}  // namespace pictavo
