#pragma once

#include <memory>

#include "forms/Windows.h"

namespace rollkin {

// One run of the program: the shared state, the generator, the desktop, and the windows that
// live for the whole run. A window is created, hidden, at its first reference.
class Program final : public Windows {
public:
    Program(Desktop& desktop, Random& rng);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    frmRollkin& Rollkin() override;
    frmMenu& Menu() override;
    frmScroller& Scroller() override;
    ThrowHistory& Throws() override;
    frmHistory& History() override;

    bool MenuLoaded() const override { return menu_ != nullptr; }
    bool ScrollerLoaded() const override { return scroller_ != nullptr; }
    bool HistoryLoaded() const override { return history_ != nullptr; }

    void End() override;
    bool Ended() const override { return ended_; }

private:
    std::unique_ptr<frmRollkin> rollkin_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmScroller> scroller_;
    std::unique_ptr<ThrowHistory> throws_;
    std::unique_ptr<frmHistory> history_;
    bool ended_ = false;
};

}  // namespace rollkin
