// Opens the terms screen in the page; from then on the program only answers the page's events.
// main returns while the page runs: the navigator and the platform live on after it.
#include "shell/navigator.h"
#include "ui/page/page_backend.h"

int main() {
    auto* platform = new brivan::ui::PagePlatform;
    auto* navigator = new brivan::shell::Navigator(*platform);
    brivan::ui::startPage();
    navigator->start();
    return 0;
}
