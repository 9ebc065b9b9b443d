#pragma once

#include <QIcon>

namespace orvek {

// The program's icon (drawn, so that it needs no file).
QIcon programIcon();

// The toolbar icon of a command: the desktop theme's icon when it has one,
// else one drawn here.
QIcon commandIcon(int command);

} // namespace orvek
