#pragma once
// What a screen reader finds on a screen. Buttons, labels and the window read as they are shown;
// the controls whose look alone does not say what they are get a name from the layout's Speech:
// a picture its description, the answer box its tool tip, an option button the caption of its
// choice, a drop-down box the step line beside it, a light its kind and legend. Names that come
// from a label follow its caption. Qt carries them to the desktop's accessibility service (AT-SPI
// on Linux, UI Automation on Windows). Nothing here changes what a screen shows.
#include <functional>
#include <span>
#include <string_view>

#include "ui/layout.h"

class QLabel;
class QWidget;

namespace brivan::ui::speech {

// Called on a control the moment it exists: Qt picks the accessible interface of an object once,
// the first time it is asked for, and a control that is read differently must be marked first.
void prepare(QWidget* control, const ControlSpec& row);

// Called once every control of a window is built: names the controls and ties each name that
// comes from a label to that label.
void describe(std::span<const ControlSpec> controls, const std::function<QWidget*(std::string_view)>& find);

// A label's caption or back colour was set: renames the controls named after it. A live label is
// announced again when its caption was set to what it already read.
void labelChanged(QLabel* label, bool captionRepeated = false);

}  // namespace brivan::ui::speech
