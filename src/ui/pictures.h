#pragma once
// The screens' pictures and the windows' icon, from the list that the build, the page's packaging
// and the web folder's check share (resources/pictures.txt).
#include <span>
#include <string_view>

namespace brivan::ui {

enum class PictureUse { TermsScreen, LaterScreen, WindowIcon };

struct PictureFile {
    std::string_view name;   // as the layout tables name it ("aircraft.jpg")
    std::string_view twice;  // its rendering at twice the size
    PictureUse use;
};

// Every picture, in the order the program reads them: the terms screen's first.
std::span<const PictureFile> pictureFiles();

// The picture the tables name NAME; none for a name the list does not hold.
const PictureFile* pictureFile(std::string_view name);

const PictureFile& windowIcon();

}  // namespace brivan::ui
