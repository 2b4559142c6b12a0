#pragma once
// What the tables' rows are to the keyboard and the mouse, the same on every backend: which
// controls take the focus and in which order Tab visits them, and which label is an option's text.
#include <vector>

#include "ui/layout.h"

namespace brivan::ui {

// Whether a control of this kind can take the focus (labels and pictures never do).
bool takesFocus(ControlKind kind);

// The controls that Tab visits, shown or not, in the order it visits them.
std::vector<const ControlSpec*> tabOrder(const Layout& layout);

// The option button whose text LABEL is (it is named after that label), or none. A click on an
// option's text is a click on the option, while the option is shown.
const ControlSpec* optionOfText(const Layout& layout, const ControlSpec& label);

}  // namespace brivan::ui
