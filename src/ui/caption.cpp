#include "ui/caption.h"

namespace brivan::ui {

Caption readCaption(std::string_view written) {
    Caption caption;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const char c = written[i];
        if (c != '&' || i + 1 == written.size()) {
            caption.shown += c;
            continue;
        }
        const char next = written[++i];
        // The first marked letter is the key; a later "&" marks nothing, and is not shown.
        if (next != '&' && caption.key == 0) {
            caption.key = next >= 'a' && next <= 'z' ? char(next - 'a' + 'A') : next;
            caption.keyAt = caption.shown.size();
        }
        caption.shown += next;
    }
    return caption;
}

}  // namespace brivan::ui
