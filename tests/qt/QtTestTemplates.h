#pragma once

#include "resources/DialogTemplate.h"

namespace orvek::test {

// Templates that use every kind of control and every style, for the
// renderer's tests.
const DialogTemplate& everyKindTemplate();
// The template of the driven test dialog (see DialogViewTest.cpp).
const DialogTemplate& drivenTemplate();

} // namespace orvek::test
