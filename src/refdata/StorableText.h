#pragma once

#include <string_view>

namespace orvek {

class Control;
class Host;

// The record files hold Windows-1252 text; these refuse what they cannot
// hold and tell the user which character it was (one message for both).

// Whether a finished text can be stored. When it cannot, the user is told
// and false is returned, so that the caller keeps the text for correcting.
bool acceptStorableText(Host& host, std::string_view text);

// Where a text is typed: characters that cannot be stored are taken out of
// the edit again (the caret kept in place). Returns true when the text was
// acceptable as typed.
bool acceptTypedText(Control& edit, Host& host);

} // namespace orvek
