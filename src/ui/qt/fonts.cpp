#include "ui/qt/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <array>
#include <mutex>

namespace brivan::ui {

namespace {

[[maybe_unused]] const char* designedFamily(Face face) {  // asked for on Linux only
    switch (face) {
    case Face::TimesNewRoman: return "Times New Roman";
    case Face::Arial: return "Arial";
    case Face::MsSansSerif: return "MS Sans Serif";
    }
    return "MS Sans Serif";
}

// Where the designed fonts are missing (any Linux desktop), their stand-ins: Liberation Serif and
// Sans share the metrics of Times New Roman and Arial, so text fits the labels it was designed
// for. MS Sans Serif has no metric twin; Liberation Sans at the same size is the closest in width
// (DejaVu Sans, fontconfig's own fallback, is some 13 % wider and clips). The family is settled
// once per run: asking Qt for a missing family makes it look for fallbacks at every new font.
[[maybe_unused]] std::array<QString, 3> standIns() {
    std::array<QString, 3> families;
    for (Face f : {Face::MsSansSerif, Face::TimesNewRoman, Face::Arial})
        families[static_cast<size_t>(f)] = QString::fromLatin1(installedFamily(f));
    return families;
}

const QString& family(Face face) {
#if defined(Q_OS_WIN)
    // Windows has the stand-ins themselves: asked for by name, without reading the font list.
    static const std::array<QString, 3> families = standIns();
#else
    static const std::array<QString, 3> families = [] {
        // The installed families only: asking whether a family exists would also resolve
        // fontconfig's aliases, which costs more than the whole list.
        const QStringList installed = QFontDatabase::families();
        std::array<QString, 3> resolved;
        for (Face f : {Face::MsSansSerif, Face::TimesNewRoman, Face::Arial}) {
            const QString designed = QString::fromLatin1(designedFamily(f));
            resolved[static_cast<size_t>(f)] = installed.contains(designed, Qt::CaseInsensitive)
                                                   ? designed
                                                   : QString::fromLatin1(installedFamily(f));
        }
        return resolved;
    }();
#endif
    return families[static_cast<size_t>(face)];
}

}  // namespace

const char* installedFamily(Face face) {
#if defined(Q_OS_WIN)
    // Every Windows has Times New Roman and Arial, TrueType faces that scale. "MS Sans Serif" is a
    // bitmap font there, drawn at a few fixed sizes and not at all by DirectWrite, Qt 6.8's
    // renderer: at 125 % and above its captions change face or are cut. Arial takes its place; it
    // shares its widths with the Liberation Sans the Linux screens are measured in.
    switch (face) {
    case Face::TimesNewRoman: return "Times New Roman";
    case Face::Arial:
    case Face::MsSansSerif: return "Arial";
    }
    return "Arial";
#else
    switch (face) {
    case Face::TimesNewRoman: return "Liberation Serif";
    case Face::Arial:
    case Face::MsSansSerif: return "Liberation Sans";
    }
    return "Liberation Sans";
#endif
}

QFont makeFont(const FontSpec& design) {
    QFont font(family(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setStyleHint(design.face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return font;
}

}  // namespace brivan::ui

namespace brivan::ui {

void useScreenFontByDefault() {
    static std::once_flag once;
    std::call_once(once, [] { QApplication::setFont(makeFont(kDefaultFont)); });
}

}  // namespace brivan::ui
