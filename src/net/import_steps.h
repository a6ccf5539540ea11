// Steps the product loaders share: the failure of an item data request, and turning an item
// data answer into downloaded pictures.
#pragma once

#include <string>

#include "net/http_client.h"
#include "net/item_json.h"
#include "net/product_import.h"

namespace pictavo {

// The status text while the list is fetched.
std::string fetchingListText();

// The error box of a failed item data request: its header text and error message.
UserMessage itemRequestFailure(const HttpResponse& response);

// Reads the item data answer and downloads its pictures, or records why there are none.
void importItemData(const HttpResponse& response, ItemLayout layout, const ProductQuery& query,
                    ImportSink& sink, ImportResult* result);

}  // namespace pictavo
