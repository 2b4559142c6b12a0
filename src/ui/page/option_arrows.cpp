#include "ui/page/option_arrows.h"

#include <cstdlib>
#include <utility>

namespace brivan::ui {

namespace {
std::pair<int, int> centre(const ControlSpec& r) {
    const int l = pixels(r.left), t = pixels(r.top);
    return {(l + l + pixels(r.width) - 1) / 2, (t + t + pixels(r.height) - 1) / 2};
}
}  // namespace

const ControlSpec* optionInDirection(const ControlSpec& f, std::span<const ControlSpec* const> options, int dx, int dy) {
    const int fl = pixels(f.left), fr = fl + pixels(f.width) - 1, ft = pixels(f.top), fb = ft + pixels(f.height) - 1;
    const auto [gx, gy] = centre(f);
    const ControlSpec* candidate = nullptr;
    long long best = -1;
    for (const ControlSpec* option : options) {
        const ControlSpec& r = *option;
        const int l = pixels(r.left), rt = l + pixels(r.width) - 1, t = pixels(r.top), b = t + pixels(r.height) - 1;
        const auto [x, y] = centre(r);
        long long score;
        if (l < fr && fl < rt && dy != 0) {
            score = (static_cast<long long>(std::abs(y - gy)) << 16) + std::abs(x - gx);
        } else if (t < fb && ft < b && dx != 0) {
            score = (static_cast<long long>(std::abs(x - gx)) << 16) + std::abs(y - gy);
        } else {
            score = (1LL << 30) + (y - gy) * (y - gy) + (x - gx) * (x - gx);
        }
        if (score > best && candidate) continue;
        if ((dy < 0 && y < gy) || (dy > 0 && y > gy) || (dx < 0 && x < gx) || (dx > 0 && x > gx)) {
            candidate = option;
            best = score;
        }
    }
    return candidate;
}

}  // namespace brivan::ui
