#pragma once

#include "resources/DialogTemplate.h"

// Every dialog template of the program, one function each (defined in
// DialogNNN.cpp beside this file). Add a number here when adding a template.
#define ORVEK_DIALOG_TEMPLATES(X) \
    X(100)                        \
    X(122)                        \
    X(123)                        \
    X(126)                        \
    X(131)                        \
    X(136)                        \
    X(139)                        \
    X(141)                        \
    X(143)                        \
    X(144)                        \
    X(145)                        \
    X(146)                        \
    X(147)                        \
    X(154)                        \
    X(164)                        \
    X(172)                        \
    X(183)

namespace orvek::dialogs {
#define ORVEK_DECLARE_TEMPLATE(n) DialogTemplate dialog##n();
ORVEK_DIALOG_TEMPLATES(ORVEK_DECLARE_TEMPLATE)
#undef ORVEK_DECLARE_TEMPLATE
} // namespace orvek::dialogs
