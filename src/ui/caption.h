#pragma once
// A button's caption as the tables write it: "&" before the letter of its access key (Alt with the
// letter presses it), "&&" for an ampersand, as the desktop reads captions.
#include <cstddef>
#include <string>
#include <string_view>

namespace brivan::ui {

struct Caption {
    std::string shown;  // as the screen shows it, without the marks
    char key = 0;       // the access key, upper-cased; 0: none
    std::size_t keyAt = std::string::npos;  // where the key's letter stands in SHOWN (underlined there)
};

Caption readCaption(std::string_view written);

}  // namespace brivan::ui
