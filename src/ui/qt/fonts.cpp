#include "ui/qt/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <array>
#include <mutex>

#include "ui/look.h"
#include "ui/qt/qt_text.h"

namespace brivan::ui {

namespace {

constexpr FontPlatform kPlatform =
#if defined(Q_OS_WIN)
    FontPlatform::Windows;
#elif defined(Q_OS_MACOS)
    FontPlatform::MacOS;
#else
    FontPlatform::Linux;
#endif

constexpr Face kFaces[] = {Face::MsSansSerif, Face::TimesNewRoman, Face::Arial};

// The family is settled once per run: asking Qt for a missing family makes it look for fallbacks
// at every new font.
const std::array<QString, 3>& families() {
    static const std::array<QString, 3> chosen = [] {
        std::array<QString, 3> resolved;
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        // The designed faces are there: asked for by name, without reading the font list.
        for (Face face : kFaces) resolved[size_t(face)] = qs(typefaceOf(face, kPlatform).families.front());
#else
        // The installed families only: asking whether a family exists would also resolve
        // fontconfig's aliases, which costs more than the whole list.
        const QStringList installed = QFontDatabase::families();
        for (Face face : kFaces) {
            const auto preferred = typefaceOf(face, kPlatform).families;
            resolved[size_t(face)] = qs(preferred.back());
            for (std::string_view family : preferred) {
                if (!installed.contains(qs(family), Qt::CaseInsensitive)) continue;
                resolved[size_t(face)] = qs(family);
                break;
            }
        }
#endif
        return resolved;
    }();
    return chosen;
}

}  // namespace

QString installedFamily(Face face) { return families()[size_t(face)]; }

QFont makeFont(const FontSpec& design) {
    QFont font(installedFamily(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setStyleHint(typefaceOf(design.face, kPlatform).serif ? QFont::Serif : QFont::SansSerif);
    return font;
}

void useScreenFontByDefault() {
    static std::once_flag once;
    std::call_once(once, [] { QApplication::setFont(makeFont(kDefaultFont)); });
}

}  // namespace brivan::ui
