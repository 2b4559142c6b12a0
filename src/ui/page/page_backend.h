#pragma once
// The browser's screen backend: the page's own elements, through Emscripten's val, with no
// toolkit. What it implements of the contract in ui/backend.h, and what the program's main calls
// to start it.
//
// Implemented:
//  [x] Window: a dialog element per screen in the page's #screen (page_window.cpp, its frame in
//      page_window_frame.cpp), each control an element (page_elements.cpp): a text <div>, an
//      <input>, an <input> with a list in the ARIA combobox pattern (drop_down_list.cpp), a radio
//      <input>, a <button>, an <img> with its rendering at twice the size in its srcset.
//  [x] Keys: the desktop's rules (page_window_events.cpp): Tab and Shift+Tab round the window
//      (page_focus.cpp), Enter on the focused or the default button, Escape on the cancel button
//      (an open list takes it first), Alt with a letter by the key's place (Option on a Mac), the
//      arrows among option buttons as the desktop moves them (option_arrows.cpp).
//  [x] The frame's close box; every screen scaled by one factor to fit a smaller page, the
//      focused box kept above a tablet's keyboard (page_fit.cpp).
//  [x] Colours: the scheme's as ui/look.h gives them; fonts: ui/look.h's list as CSS, the page's
//      own fonts last (css.cpp); pictures served beside the page.
//  [x] Voice: roles and names on the elements, and what is told in the page's aria-live region.
//  [x] Platform: a Web Audio tone; the end of the program as the page's "has ended" notice
//      (page_platform.cpp).
//  [ ] The frame cannot be moved or resized; a page cannot close its own tab.
#include "ui/page/page_platform.h"
