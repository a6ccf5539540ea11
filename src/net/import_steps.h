// Steps the product loaders share: the failure of an item data request, and turning an item
// data answer into downloaded pictures.
#pragma once

#include <functional>
#include <string>

#include "net/http_client.h"
#include "net/item_json.h"
#include "net/product_import.h"

namespace pictavo {

// The status text while the list is fetched.
std::string fetchingListText();

// Fetches the item data of an item id.
using ItemDataRequest = std::function<HttpResponse(const std::string& id)>;

// The item the query's address names: reads its id, fetches its item data with `request`,
// reads the answer in `layout` and downloads its pictures. A bad address, a failed request
// and a cancelled one are recorded in `result`.
void importItem(const ProductQuery& query, ItemLayout layout, const ItemDataRequest& request,
                ImportSink& sink, ImportResult* result);

}  // namespace pictavo
