#pragma once

#include "platform/Control.h"
#include "platform/Host.h"

namespace orvek {

// Refuses, where it is typed, a character that the record files cannot
// hold (they are Windows-1252): such characters are taken out of the edit
// again and the user is told which one it was. Returns true when the text
// was acceptable as typed.
bool acceptTypedText(Control& edit, Host& host);

} // namespace orvek
