#pragma once
// The navigator owns the seven screen objects, each created on first use and kept for the run,
// and makes every move the same way: load the target, show it, unload the current screen.
#include <array>
#include <memory>

#include "ui/screen.h"

namespace brivan::shell {

class Navigator final : public ui::Moves {
public:
    explicit Navigator(ui::Platform& platform);
    ~Navigator() override;

    // Opens the terms screen, as at every start of the program.
    void start();

    void moveTo(ui::ScreenId target) override;
    void endProgram() override;
    void closedByFrame(ui::ScreenId screen) override;

    // The screen object, created on first use.
    ui::Screen& screen(ui::ScreenId id);
    // The loaded screen, or nullptr once the program has ended.
    ui::Screen* current() const;
    // True once the last screen has been closed and the program asked to end.
    bool ended() const { return ended_; }

private:
    std::unique_ptr<ui::Screen> create(ui::ScreenId id);

    ui::Platform& platform_;
    std::array<std::unique_ptr<ui::Screen>, ui::kScreenCount> screens_;
    bool ended_ = false;
};

}  // namespace brivan::shell
