#pragma once

#include <string_view>

namespace orvek {

class Host;

// Whether a typed text can be stored in a Windows-1252 record field. When it
// cannot, the user is told which character is the problem and false is
// returned, so that the caller keeps the text in its field for correcting.
bool acceptStorableText(Host& host, std::string_view text);

} // namespace orvek
