#pragma once

namespace rollkin {

// Gives the dice buttons their screen-reader actions: Press throws, Increase and Decrease add
// and take away a die, ShowMenu opens the command menu. Installed once, before the first button
// is asked for.
void InstallDiceAccessibility();

}  // namespace rollkin
