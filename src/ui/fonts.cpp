#include "ui/fonts.h"

#include <QFont>
#include <mutex>

namespace brivan::ui {

namespace {

const char* designedFamily(Face face) {
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
// (DejaVu Sans, fontconfig's own fallback, is some 13 % wider and clips).
void installSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    });
}

}  // namespace

const char* installedFamily(Face face) {
    switch (face) {
    case Face::TimesNewRoman: return "Liberation Serif";
    case Face::Arial:
    case Face::MsSansSerif: return "Liberation Sans";
    }
    return "Liberation Sans";
}

QFont makeFont(const FontSpec& spec) {
    installSubstitutions();
    QFont font(QString::fromLatin1(designedFamily(spec.face)));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setStyleHint(spec.face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return font;
}

}  // namespace brivan::ui
