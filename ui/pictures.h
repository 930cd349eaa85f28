#pragma once

#include <QPixmap>

// The pictures built into the program (JPEG files compiled in as resources).
namespace Pictures {

QPixmap banner();             // 653 x 130, across the top of the main window
QPixmap paletteSwatch(int n); // palette colour n (1..26); null for a colour without one
QPixmap puSwatch(int n);      // polyurethane picker entry n (1..13)

} // namespace Pictures
