#pragma once
// What a screen reader finds on a screen and what it is told. Buttons, labels and the window read
// as they are shown; the controls whose look alone does not say what they are get a name from the
// layout's Speech: a picture its description, the answer box its tool tip, an option button the
// caption of its choice, a drop-down box the step line beside it, a light its kind and legend.
// Names that come from a label follow its caption.
//
// What a handler writes on the screen (a question, a verdict, a score) is told to the screen reader
// once the handler is done, as one announcement: the captions it set on the layout's told labels,
// in their order. The route is chosen in accessibility.cpp alone. From Qt 6.8 it is Qt's own
// announcement, which reaches AT-SPI on Linux and UI Automation on Windows. Qt 6.4 has none: there
// the words go to a hidden notification object whose showing is raised by hand, which Orca
// presents (Orca ignores a label's name changes and rejects name changes of the focused control);
// that route reaches AT-SPI only. Nothing here changes what a screen shows.
#include <functional>
#include <string_view>

#include "ui/layout.h"

class QLabel;
class QWidget;

namespace brivan::ui::speech {

// Called on a control the moment it exists: Qt picks the accessible interface of an object once,
// the first time it is asked for, and a control that is read differently must be marked first.
void prepare(QWidget* control, const ControlSpec& row);

// Called once every control of a window is built: names the window and the controls, ties each
// name that comes from a label to that label, and readies what the window tells.
void describe(QWidget* window, const Layout& layout, const std::function<QWidget*(std::string_view)>& find);

// A handler set a label's caption: renames the controls named after it and, for a told label,
// has it read out when the handler is done (also when the caption reads as before).
void captionSet(QLabel* label);

// A label's back colour was set: a light's colour says whether it is a warning or a caution.
void backColourSet(QLabel* label);

// A handler showed a control that was hidden: tells the screen reader it can be seen again.
void shown(QWidget* control);

}  // namespace brivan::ui::speech
