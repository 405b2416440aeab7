#pragma once

namespace rollkin {

// Gives the dice buttons their screen-reader actions: Press throws, Increase and Decrease add
// and take away a die, ShowMenu opens the command menu; makes the strip a window and shows
// screen readers only the windows on the screen. Installed once, before the strip is built.
void InstallDiceAccessibility();

}  // namespace rollkin
