#pragma once
// What a screen reader is told on a screen, and when; the same on every screen backend, which
// only delivers it. Buttons, labels and the window read as they are shown; the controls whose look
// alone does not say what they are get a name from the layout's Speech: a picture what it shows,
// the answer box its tool tip, a drop-down box the step line beside it, a light its kind and
// legend. Names that come from a label follow its caption.
//
// What a handler writes on the screen (a question, a verdict, a score) is told once the handler is
// done, as one announcement: the captions it set on the layout's told labels, in their order, each
// with its fixed line, hidden labels left out. A handler that moved to another screen leaves
// nothing to tell on the screen it left. Nothing here changes what a screen shows.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace brivan::ui {

class ControlPeer;
class Voice;

// What a control is to a screen reader; each backend gives it the role of its toolkit that reads
// so.
enum class SpokenAs {
    Text,         // a label, read as it is shown
    Light,        // an annunciator light: read by its kind and its whole legend
    PartOfLight,  // a light's lower legend: read in the light's name, never alone
    TextBox,
    DropDownBox,
    Option,
    Button,
    Picture,      // read by what it shows
};

// A light, or the lower legend that is read in its name: one light to the pilot, whose colour is
// its kind.
constexpr bool isPartOfALight(SpokenAs spokenAs) {
    return spokenAs == SpokenAs::Light || spokenAs == SpokenAs::PartOfLight;
}

namespace speech {
SpokenAs spokenAs(const ControlSpec& row);
// A line as it is best heard: runs of leader dots become a pause.
std::string spokenLine(std::string_view line);
// A line whose digits are read one by one: "The Correct Order is 2 1 3".
std::string digitsApart(std::string_view line);
// "Warning light: FIRE 1" on red, "Caution light: PUMP 1, HYDR #1" on yellow; empty while the
// light has no legend.
std::string lightName(Colour back, const std::vector<std::string>& legend);
}  // namespace speech

class SpokenWindow {
public:
    // Names the controls (PEER finds each by its name) and readies what the window tells.
    SpokenWindow(const Layout& layout, const std::function<ControlPeer*(std::string_view)>& peer, Voice& voice);
    ~SpokenWindow();
    SpokenWindow(const SpokenWindow&) = delete;
    SpokenWindow& operator=(const SpokenWindow&) = delete;

    // A handler set a label's caption: renames the controls named after it and, for a told label,
    // has it read out when the handler is done (also when the caption reads as before).
    void captionSet(const ControlPeer& label);
    // A label's back colour was set: a light's colour says whether it is a warning or a caution.
    void backColourSet(const ControlPeer& label);

private:
    struct Told {
        int order;
        ControlPeer* label;
        ControlPeer* with;  // a fixed line, read whenever this one is
        ControlPeer* light;  // the label is a light: read by its name, its legend parts with it
        bool digitsApart;
    };
    struct Tie {  // a control's name follows a label's caption
        const ControlPeer* source;
        std::function<void()> rename;
    };

    void refreshNames(const ControlPeer& source) const;
    std::string lightNameOf(const ControlPeer& light) const;
    std::string words() const;
    void tell();

    Voice& voice_;
    std::vector<Told> told_;
    std::vector<Tie> ties_;
    std::vector<std::pair<const ControlPeer*, std::vector<ControlPeer*>>> lights_;  // each light and its parts
    std::vector<const ControlPeer*> set_;
    bool pending_ = false;
    std::shared_ptr<SpokenWindow*> self_;  // a told line waiting for the handler's end checks it is still here
};

}  // namespace brivan::ui
