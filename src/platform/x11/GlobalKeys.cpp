#include "platform/GlobalKeys.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace rollkin {

namespace {

// The keysyms of the digits 1 to 9 follow each other from XK_1; those of the keys that make
// the modifiers this grab needs to know.
enum Keysym : xcb_keysym_t {
    KeysymOne = 0x31,
    KeysymNumLock = 0xff7f,
    KeysymAltL = 0xffe9,
    KeysymAltR = 0xffea,
};
constexpr std::size_t Numbers = GlobalKeys::Last - GlobalKeys::First + 1;

template <typename Reply>
struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
};

class X11GlobalKeys final : public GlobalKeys, public QAbstractNativeEventFilter {
public:
    explicit X11GlobalKeys(xcb_connection_t* connection) : connection_(connection) {
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection_)); it.rem;
             xcb_screen_next(&it))
            roots_.push_back(it.data->root);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~X11GlobalKeys() override { Release(); }

    QList<int> Grab(std::function<void(int)> pressed) override {
        Release();
        ReadKeyboard();
        QList<int> refused;
        for (std::size_t k = 0; k < Numbers; ++k) {
            std::vector<Taken> taken;
            std::vector<xcb_void_cookie_t> asked;
            for (const xcb_keycode_t code : codes_[k]) {
                for (const xcb_window_t root : roots_) {
                    for (const std::uint16_t locks : LockVariants()) {
                        const auto modifiers = static_cast<std::uint16_t>(Modifiers() | locks);
                        // To the root alone, even while a window of this program has the focus.
                        asked.push_back(xcb_grab_key_checked(connection_, 0, root, modifiers, code,
                                                             XCB_GRAB_MODE_ASYNC,
                                                             XCB_GRAB_MODE_ASYNC));
                        taken.push_back({root, modifiers, code});
                    }
                }
            }
            bool all = !asked.empty();  // a layout without the digit has no key for it
            for (std::size_t i = 0; i < asked.size(); ++i) {
                if (xcb_generic_error_t* error = xcb_request_check(connection_, asked[i])) {
                    all = false;  // BadAccess: another program holds this one
                    std::free(error);
                    taken[i].code = 0;
                }
            }
            // A key held in part (NumLock off, say) by another program is none of this one's.
            for (const Taken& t : taken) {
                if (t.code == 0) continue;
                if (all) {
                    taken_.push_back(t);
                } else {
                    xcb_ungrab_key(connection_, t.code, t.root, t.modifiers);
                }
            }
            if (!all) refused << static_cast<int>(k) + First;
        }
        xcb_flush(connection_);
        pressed_ = std::move(pressed);
        return refused;
    }

    void Release() override {
        pressed_ = nullptr;
        held_.clear();
        if (taken_.empty()) return;
        for (const Taken& t : taken_)
            xcb_ungrab_key(connection_, t.code, t.root, t.modifiers);
        taken_.clear();
        xcb_flush(connection_);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !pressed_) return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const std::uint8_t kind = event->response_type & 0x7f;
        if (kind == XCB_MAPPING_NOTIFY) {
            // Another layout: the digits may sit on other keys now.
            const auto& mapping = *reinterpret_cast<xcb_mapping_notify_event_t*>(event);
            if (mapping.request != XCB_MAPPING_POINTER)
                QMetaObject::invokeMethod(
                    &alive_,
                    [this] {
                        if (pressed_) Grab(pressed_);
                    },
                    Qt::QueuedConnection);
            return false;
        }
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
        const auto& key = *reinterpret_cast<xcb_key_press_event_t*>(event);
        if (std::find(roots_.begin(), roots_.end(), key.event) == roots_.end()) return false;
        const int number = Number(key.detail);
        if (number == 0) return false;
        // Ctrl or Alt may have been let go first.
        if (kind == XCB_KEY_RELEASE) {
            held_.erase(std::remove(held_.begin(), held_.end(), key.detail), held_.end());
            lastRelease_ = {key.detail, key.time};
            return true;
        }
        if ((key.state & Modifiers()) != Modifiers()) return false;
        // A key held down repeats: as presses alone, or as a release and a press at one time.
        const bool repeat = std::find(held_.begin(), held_.end(), key.detail) != held_.end() ||
                            (lastRelease_.code == key.detail && lastRelease_.time == key.time);
        if (!repeat) held_.push_back(key.detail);
        if (!repeat) pressed_(number);
        return true;
    }

private:
    struct Taken {
        xcb_window_t root;
        std::uint16_t modifiers;
        xcb_keycode_t code;
    };

    std::uint16_t Modifiers() const {
        return static_cast<std::uint16_t>(XCB_MOD_MASK_CONTROL | alt_);
    }
    // The key is the same with CapsLock and NumLock on or off.
    std::array<std::uint16_t, 4> LockVariants() const {
        return {0, XCB_MOD_MASK_LOCK, numLock_,
                static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock_)};
    }

    int Number(xcb_keycode_t code) const {
        for (std::size_t k = 0; k < Numbers; ++k) {
            if (std::find(codes_[k].begin(), codes_[k].end(), code) != codes_[k].end())
                return static_cast<int>(k) + First;
        }
        return 0;
    }

    // The keys that make the digits (on either level of the first group, so that Ctrl+Alt and
    // the key marked 1 work on a layout where the digit needs Shift), and the modifiers that
    // NumLock and Alt set.
    void ReadKeyboard() {
        for (auto& codes : codes_)
            codes.clear();
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const xcb_keycode_t low = setup->min_keycode;
        const auto count = static_cast<std::uint8_t>(setup->max_keycode - low + 1);
        const Freed<xcb_get_keyboard_mapping_reply_t> map{xcb_get_keyboard_mapping_reply(
            connection_, xcb_get_keyboard_mapping(connection_, low, count), nullptr)};
        if (map.reply == nullptr) return;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.reply);
        const int per = map.reply->keysyms_per_keycode;
        const int length = xcb_get_keyboard_mapping_keysyms_length(map.reply);
        const auto symsOf = [&](xcb_keycode_t code, int columns) {
            std::vector<xcb_keysym_t> found;
            for (int c = 0; c < std::min(per, columns); ++c) {
                const int at = (code - low) * per + c;
                if (at >= 0 && at < length) found.push_back(syms[at]);
            }
            return found;
        };
        for (int code = low; code <= setup->max_keycode; ++code) {
            for (const xcb_keysym_t sym : symsOf(static_cast<xcb_keycode_t>(code), 2)) {
                if (sym < KeysymOne || sym >= KeysymOne + Numbers) continue;
                auto& codes = codes_[sym - KeysymOne];
                if (std::find(codes.begin(), codes.end(), code) == codes.end())
                    codes.push_back(static_cast<xcb_keycode_t>(code));
            }
        }
        numLock_ = XCB_MOD_MASK_2;  // where nearly every server puts them
        alt_ = XCB_MOD_MASK_1;
        const Freed<xcb_get_modifier_mapping_reply_t> mods{xcb_get_modifier_mapping_reply(
            connection_, xcb_get_modifier_mapping(connection_), nullptr)};
        if (mods.reply == nullptr) return;
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mods.reply);
        const int perModifier = mods.reply->keycodes_per_modifier;
        for (int mod = 3; mod < 8; ++mod) {  // Mod1 to Mod5
            for (int k = 0; k < perModifier; ++k) {
                const xcb_keycode_t code = codes[mod * perModifier + k];
                if (code == 0) continue;
                for (const xcb_keysym_t sym : symsOf(code, per)) {
                    const auto mask = static_cast<std::uint16_t>(1u << mod);
                    if (sym == KeysymNumLock) numLock_ = mask;
                    if (sym == KeysymAltL || sym == KeysymAltR) alt_ = mask;
                }
            }
        }
    }

    xcb_connection_t* connection_;
    QObject alive_;  // a queued call goes with this
    std::vector<xcb_window_t> roots_;
    std::array<std::vector<xcb_keycode_t>, Numbers> codes_;
    std::uint16_t numLock_ = XCB_MOD_MASK_2;
    std::uint16_t alt_ = XCB_MOD_MASK_1;
    std::vector<Taken> taken_;
    std::function<void(int)> pressed_;
    std::vector<xcb_keycode_t> held_;
    struct {
        xcb_keycode_t code = 0;
        xcb_timestamp_t time = 0;
    } lastRelease_;
};

}  // namespace

std::unique_ptr<GlobalKeys> NewGlobalKeys(QString& reason) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr)
        return std::make_unique<X11GlobalKeys>(x11->connection());
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        reason = QCoreApplication::translate(
            "GlobalKeys",
            "Wayland lets no program take keys from the other windows: these keys work on an "
            "X11 desktop.");
    } else {
        reason =
            QCoreApplication::translate("GlobalKeys", "Keys from any window need an X11 desktop.");
    }
    return nullptr;
}

}  // namespace rollkin
