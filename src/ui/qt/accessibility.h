#pragma once
// How the desktop's screen reader is reached through Qt: the accessible interfaces of the controls
// that Qt would read differently from how they are shown, and the one route by which told words
// reach it. What is told and when is the shared screen layer's (ui/speech.h).
//
// The route is chosen here alone. From Qt 6.8 it is Qt's own announcement, which reaches AT-SPI on
// Linux and UI Automation on Windows. Qt 6.4 has none: there the words go to a hidden
// notification object whose showing is raised by hand, which Orca presents (Orca ignores a label's
// name changes and rejects name changes of the focused control); that route reaches AT-SPI only.
// Each of the shared layer's SpokenAs is given its Qt role here: a light's lower legend is read
// in the light's name, not alone; an option button chosen through the screen reader is clicked,
// as the pilot's click does; a drop-down box is named after the step it numbers.
#include <QString>

#include "ui/speech.h"

class QWidget;

namespace brivan::ui::speech {

// Called on a control the moment it exists: Qt picks the accessible interface of an object once,
// the first time it is asked for, and a control that is read differently must be marked first.
void prepare(QWidget* control, SpokenAs spokenAs);

// Tells the screen reader SAID at once, as the words of WINDOW.
void announce(QWidget* window, const QString& said);

// A handler showed a control that was hidden: tells the screen reader it can be seen again.
void shown(QWidget* control);

}  // namespace brivan::ui::speech
