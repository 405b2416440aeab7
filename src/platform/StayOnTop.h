#pragma once

class QWidget;

namespace rollkin {

// Puts a top-level window in or out of the topmost band. A created window changes through its
// platform window: through QWidget it would be hidden and created anew.
void SetStaysOnTop(QWidget& window, bool onTop);

}  // namespace rollkin
