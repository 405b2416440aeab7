#pragma once

#include <QIcon>

namespace rollkin {

// The program's icon, from 16 x 16 up: the strip's taskbar icon, frmMenu's icon, the About
// window's picture. Once set as the application's icon, that same icon is returned.
QIcon ProgramIcon();

}  // namespace rollkin
