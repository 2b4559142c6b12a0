#pragma once
// The tables' text as Qt's (inside the screen layer only).
#include <QString>
#include <string_view>

namespace brivan::ui {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace brivan::ui
