#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace rollkin {

// Ctrl+Alt+1 to Ctrl+Alt+9 taken from every window of the desktop: the keys reach the program
// whichever window has the focus, and the focus stays there.
class GlobalKeys {
public:
    // The numbers the keys stand for.
    static constexpr int First = 1;
    static constexpr int Last = 9;

    virtual ~GlobalKeys() = default;
    // Takes every key, in place of those taken before, and calls `pressed` with its number at
    // each press (a key held down counts once). Returns the numbers another program holds.
    virtual QList<int> Grab(std::function<void(int)> pressed) = 0;
    // Gives every key back.
    virtual void Release() = 0;
};

// Null where no key can be taken from the other windows; `reason` then says why, for the player.
std::unique_ptr<GlobalKeys> NewGlobalKeys(QString& reason);

}  // namespace rollkin
