#include "ui/speech.h"

#include <algorithm>

#include "ui/backend.h"

namespace brivan::ui {

namespace speech {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return std::string(text);
}
}  // namespace

SpokenAs spokenAs(const ControlSpec& row) {
    switch (row.kind) {
    case ControlKind::Label:
        if (row.speech.light) return SpokenAs::Light;
        return row.speech.partOf.empty() ? SpokenAs::Text : SpokenAs::PartOfLight;
    case ControlKind::TextBox: return SpokenAs::TextBox;
    case ControlKind::ComboBox: return SpokenAs::DropDownBox;
    case ControlKind::OptionButton: return SpokenAs::Option;
    case ControlKind::Button: return SpokenAs::Button;
    case ControlKind::Picture: return SpokenAs::Picture;
    }
    return SpokenAs::Text;
}

std::string spokenLine(std::string_view line) {
    // A leader is three or more dots, spaces allowed between them, with the spaces around it.
    std::string spoken;
    size_t i = 0;
    while (i < line.size()) {
        size_t j = i;
        while (j < line.size() && isSpace(line[j])) ++j;
        int dots = 0;
        size_t end = j;
        for (size_t k = j; k < line.size();) {
            if (line[k] == '.') {
                ++dots;
                end = ++k;
            } else if (isSpace(line[k])) {
                ++k;
            } else {
                break;
            }
        }
        if (dots >= 3) {
            while (end < line.size() && isSpace(line[end])) ++end;
            spoken += ", ";
            i = end;
        } else {
            spoken += line[i++];
        }
    }
    return spoken;
}

std::string digitsApart(std::string_view line) {
    std::string spaced;
    for (size_t i = 0; i < line.size(); ++i) {
        spaced += line[i];
        if (isDigit(line[i]) && i + 1 < line.size() && isDigit(line[i + 1])) spaced += ' ';
    }
    return spaced;
}

std::string lightName(Colour back, const std::vector<std::string>& legend) {
    std::string name;
    for (const std::string& part : legend) {
        if (part.empty()) continue;
        if (!name.empty()) name += ", ";
        name += part;
    }
    if (name.empty()) return name;
    const char* kind = back == colours::Red ? "Warning light: " : back == colours::Yellow ? "Caution light: " : "Light: ";
    return kind + name;
}

}  // namespace speech

SpokenWindow::SpokenWindow(const Layout& layout, const std::function<ControlPeer*(std::string_view)>& peer,
                           Voice& voice)
    : voice_(voice), self_(std::make_shared<SpokenWindow*>(this)) {
    for (const ControlSpec& row : layout.controls) {
        ControlPeer* control = peer(row.name);
        control->spoken = this;
        const Speech& speech = row.speech;
        if (!speech.name.empty()) {
            control->setSpokenName(std::string(speech.name));
        } else if (row.kind == ControlKind::TextBox && !row.toolTip.empty()) {
            control->setSpokenName(std::string(row.toolTip));  // a text box's name says what to type in it
        }
        if (!speech.description.empty()) control->setSpokenDescription(std::string(speech.description));

        if (speech.light) {
            std::vector<ControlPeer*> parts;
            for (const ControlSpec& other : layout.controls)
                if (other.speech.partOf == row.name) parts.push_back(peer(other.name));
            lights_.emplace_back(control, parts);
            const auto rename = [this, control] { control->setSpokenName(lightNameOf(*control)); };
            ties_.push_back({control, rename});
            for (const ControlPeer* part : parts) ties_.push_back({part, rename});
        }
        if (!speech.namedBy.empty()) {
            const ControlPeer* label = peer(speech.namedBy);
            ties_.push_back({label, [label, control] { control->setSpokenName(speech::spokenLine(label->text())); }});
        }
        if (speech.told > 0) {
            const Told told{.order = speech.told,
                            .label = control,
                            .with = speech.toldWith.empty() ? nullptr : peer(speech.toldWith),
                            .light = speech.light ? control : nullptr,
                            .digitsApart = speech.digitsApart};
            told_.insert(std::upper_bound(told_.begin(), told_.end(), told,
                                          [](const Told& a, const Told& b) { return a.order < b.order; }),
                         told);
        }
    }
    for (const Tie& tie : ties_) tie.rename();
}

SpokenWindow::~SpokenWindow() { *self_ = nullptr; }

std::string SpokenWindow::lightNameOf(const ControlPeer& light) const {
    for (const auto& [l, parts] : lights_) {
        if (l != &light) continue;
        std::vector<std::string> legend{light.text()};
        for (const ControlPeer* part : parts) legend.push_back(part->text());
        return speech::lightName(light.backColor(), legend);
    }
    return {};
}

void SpokenWindow::refreshNames(const ControlPeer& source) const {
    for (const Tie& tie : ties_)
        if (tie.source == &source) tie.rename();
}

void SpokenWindow::captionSet(const ControlPeer& label) {
    refreshNames(label);
    const bool told = std::any_of(told_.begin(), told_.end(), [&](const Told& t) { return t.label == &label; });
    if (!told) return;
    // Each label once, however often the handlers that ran before the screen reader was told set it.
    if (std::find(set_.begin(), set_.end(), &label) == set_.end()) set_.push_back(&label);
    if (pending_) return;
    pending_ = true;
    voice_.afterHandler([self = std::weak_ptr<SpokenWindow*>(self_)] {
        if (auto window = self.lock(); window && *window) (*window)->tell();
    });
}

void SpokenWindow::backColourSet(const ControlPeer& label) { refreshNames(label); }

std::string SpokenWindow::words() const {
    const auto wasSet = [this](const ControlPeer* label) {
        return label && std::find(set_.begin(), set_.end(), label) != set_.end();
    };
    std::string said;
    for (const Told& told : told_) {
        if (!told.label->isVisible()) continue;
        if (!wasSet(told.label) && !wasSet(told.with)) continue;
        std::string line = told.light ? lightNameOf(*told.light) : speech::spokenLine(told.label->text());
        if (told.digitsApart) line = speech::digitsApart(line);
        line = speech::trimmed(line);
        if (line.empty()) continue;
        if (std::string_view(".!?:").find(line.back()) == std::string_view::npos) line += '.';  // a pause between lines
        if (!said.empty()) said += ' ';
        said += line;
    }
    return said;
}

void SpokenWindow::tell() {
    pending_ = false;
    const std::string said = words();
    set_.clear();
    // A handler that moved on to another screen leaves nothing to tell here.
    if (said.empty() || !voice_.windowShown()) return;
    voice_.announce(said);
}

}  // namespace brivan::ui
