#pragma once
// The screens' pictures, decoded once per run. Decoding starts on a second thread as soon as the
// program starts, so the first window is built while its pictures are being read.
#include <string_view>

class QPixmap;

namespace brivan::ui {

// Starts decoding every picture the screens show, the terms screen's first. Call once, after the
// application object exists; without it each picture is decoded when first shown.
void preloadPictures();

// The first screen is up: the pictures of the other screens are decoded now.
void firstScreenShown();

// The picture the layout tables name ("aircraft.jpg"), compiled in; on a screen with more than one
// device pixel to the point, its rendering at twice the size.
QPixmap picture(std::string_view name);

}  // namespace brivan::ui
