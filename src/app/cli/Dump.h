#pragma once

#include <nlohmann/json.hpp>

namespace orvek {

class COvDoc;

// The whole document as one JSON object (texts in UTF-8).
nlohmann::ordered_json dumpDocument(const COvDoc& doc);

} // namespace orvek
