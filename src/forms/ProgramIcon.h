#pragma once

#include <QIcon>

namespace rollkin {

// The program's icon, from 16 x 16 up: the strip's taskbar icon, frmMenu's icon, the About
// window's picture.
QIcon ProgramIcon();

}  // namespace rollkin
