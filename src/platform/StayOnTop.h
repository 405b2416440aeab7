#pragma once

#include <Qt>

class QWidget;

namespace rollkin {

// Gives a top-level window these flags. A created window changes through its platform window:
// through QWidget it would be hidden and created anew.
void ChangeWindowFlags(QWidget& window, Qt::WindowFlags wanted);

// Puts a top-level window in or out of the topmost band, the same way.
void SetStaysOnTop(QWidget& window, bool onTop);

}  // namespace rollkin
