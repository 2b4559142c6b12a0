// The rules that both screen backends take from the shared screen layer: a caption's access key,
// what a control is to the screen reader, the colours a control starts with and the scheme's,
// the faces of the tables' fonts, the pictures and the list of screens. Plain functions of the
// tables: no toolkit runs here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ui/caption.h"
#include "ui/control_rules.h"
#include "ui/look.h"
#include "ui/pictures.h"
#include "ui/screens.h"
#include "ui/speech.h"

using namespace brivan::ui;

namespace {

const ControlSpec& row(ScreenId screen, std::string_view name) {
    for (const ControlSpec& control : layoutOf(screen).controls)
        if (control.name == name) return control;
    throw std::out_of_range(std::string(name));
}

// WCAG's contrast ratio of two colours (0x00BBGGRR).
double contrast(Colour a, Colour b) {
    const auto luminance = [](Colour c) {
        const auto channel = [](unsigned v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string sourceFile(const char* path) {
    std::ifstream in(std::filesystem::path(BRIVAN_SOURCE_DIR) / path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(Captions, MarkTheirAccessKeyWithOneAmpersandAndShowTwoAsOne) {
    const Caption next = readCaption("&Next Question");
    EXPECT_EQ(next.shown, "Next Question");
    EXPECT_EQ(next.key, 'N');
    EXPECT_EQ(next.keyAt, 0u);

    const Caption exit = readCaption("E&xit");
    EXPECT_EQ(exit.shown, "Exit");
    EXPECT_EQ(exit.key, 'X');  // upper-cased: Alt+X whatever the caption's case
    EXPECT_EQ(exit.keyAt, 1u);

    const Caption both = readCaption("Fuel && &Oil");
    EXPECT_EQ(both.shown, "Fuel & Oil");
    EXPECT_EQ(both.key, 'O');
    EXPECT_EQ(both.keyAt, 7u);

    const Caption none = readCaption("Fuel && Oil");
    EXPECT_EQ(none.shown, "Fuel & Oil");
    EXPECT_EQ(none.key, 0);

    EXPECT_EQ(readCaption("&A&B").key, 'A');  // the first mark is the key
    EXPECT_EQ(readCaption("&A&B").shown, "AB");
    EXPECT_EQ(readCaption("Limits&").shown, "Limits&");  // a mark before nothing marks nothing
    EXPECT_EQ(readCaption("Limits&").key, 0);
}

TEST(Captions, GiveEachButtonOfAScreenItsOwnKey) {
    for (const ScreenDesign& screen : kScreens) {
        std::string keys;
        for (const ControlSpec& control : screen.layout().controls) {
            if (control.kind != ControlKind::Button) continue;
            const char key = readCaption(control.text).key;
            if (key == 0) continue;
            EXPECT_EQ(keys.find(key), std::string::npos) << control.name << " shares Alt+" << key;
            keys += key;
        }
    }
}

TEST(SpokenAs, ALightIsReadByItsNameAndItsLowerLegendNotAlone) {
    for (ScreenId screen : {ScreenId::frmBrivanAnn, ScreenId::frmBrivanMem}) {
        EXPECT_EQ(speech::spokenAs(row(screen, "lblAnn")), SpokenAs::Light);
        EXPECT_EQ(speech::spokenAs(row(screen, "lblAnn2")), SpokenAs::PartOfLight);
    }
    EXPECT_EQ(speech::spokenAs(row(ScreenId::frmBrivanAnn, "lblA")), SpokenAs::Text);
    EXPECT_EQ(speech::spokenAs(row(ScreenId::frmBrivanAnn, "OptionA")), SpokenAs::Option);
    EXPECT_EQ(speech::spokenAs(row(ScreenId::frmBrivan, "txtAnswer")), SpokenAs::TextBox);
    EXPECT_EQ(speech::spokenAs(row(ScreenId::frmBrivan, "imgBrivan")), SpokenAs::Picture);
    // Every part of a light belongs to a light of its screen.
    for (const ScreenDesign& screen : kScreens) {
        for (const ControlSpec& control : screen.layout().controls) {
            if (speech::spokenAs(control) != SpokenAs::PartOfLight) continue;
            EXPECT_EQ(speech::spokenAs(row(screen.id, control.speech.partOf)), SpokenAs::Light) << control.name;
        }
    }
}

TEST(OptionTexts, EachOptionsOwnTextAndNoOtherLabelChoosesIt) {
    const Layout& annunciators = layoutOf(ScreenId::frmBrivanAnn);
    for (const char* letter : {"A", "B", "C", "D"}) {
        const ControlSpec* option = optionOfText(annunciators, row(ScreenId::frmBrivanAnn, std::string("lbl") + letter));
        ASSERT_NE(option, nullptr) << letter;
        EXPECT_EQ(option->name, std::string("Option") + letter);
    }
    int texts = 0;
    for (const ScreenDesign& screen : kScreens)
        for (const ControlSpec& control : screen.layout().controls) texts += optionOfText(screen.layout(), control) != nullptr;
    EXPECT_EQ(texts, 4);  // lblQuestion, the light, the verdicts: no click of theirs chooses anything
}

TEST(Colours, EveryControlStartsReadableOnItsOwnBack) {
    // The scheme's text on the scheme's faces, for every kind of control the tables leave to it.
    for (ControlKind kind : {ControlKind::Label, ControlKind::TextBox, ControlKind::ComboBox, ControlKind::OptionButton,
                             ControlKind::Button}) {
        const ColourPair colours = defaultColours(kind);
        EXPECT_GE(contrast(schemeColour(colours.fore), schemeColour(colours.back)), 4.5) << int(kind);
    }
    EXPECT_EQ(schemeColour(defaultColours(ControlKind::TextBox).back), 0xFFFFFFu);  // a box is white
    EXPECT_EQ(schemeColour(defaultColours(ControlKind::Button).back), 0xEFEFEFu);   // a button grey
    EXPECT_EQ(schemeColour(colours::Red), colours::Red);  // a colour of the tables' own is drawn as it is
}

TEST(Colours, WithMoreContrastEveryTextReachesFourAndAHalfToOne) {
    // Every text on its own ground: a control's colours from the table, a label's in the verdicts'
    // red and blue too, a light's black legend on red as well as on the table's yellow.
    int pairs = 0;
    for (const ScreenDesign& screen : kScreens) {
        for (const ControlSpec& control : screen.layout().controls) {
            if (control.kind == ControlKind::Picture || control.kind == ControlKind::OptionButton) continue;
            const ColourPair start = startColours(control);
            const SpokenAs spoken = speech::spokenAs(control);
            const bool light = spoken == SpokenAs::Light || spoken == SpokenAs::PartOfLight;
            std::vector<Colour> texts{start.fore}, grounds{start.back};
            if (light) grounds.push_back(colours::Red);
            else if (control.kind == ControlKind::Label) texts.insert(texts.end(), {colours::Red, colours::Blue});
            for (Colour text : texts) {
                for (Colour ground : grounds) {
                    ++pairs;
                    EXPECT_GE(contrast(schemeColour(textWithMoreContrast(text)), schemeColour(ground)), 4.5)
                        << control.name << ": " << std::hex << text << " on " << ground;
                }
            }
        }
    }
    EXPECT_GT(pairs, 100);
    // The screens' own colours stay as they are where nobody asks for more.
    EXPECT_EQ(colours::Red, 0x0000FFu);
    EXPECT_LT(contrast(colours::Red, schemeColour(colours::ButtonFace)), 4.5);  // why its twin is there
}

TEST(Colours, ARowKeepsWhatItNamesAndTakesTheRestFromItsKind) {
    const ColourPair verdict = startColours(row(ScreenId::frmBrivan, "lblResponse"));
    const ColourPair answer = startColours(row(ScreenId::frmBrivan, "txtAnswer"));
    EXPECT_EQ(answer.fore, colours::WindowText);
    EXPECT_EQ(answer.back, colours::WindowBackground);
    const ControlSpec& response = row(ScreenId::frmBrivan, "lblResponse");
    EXPECT_EQ(verdict.fore, response.fore.value_or(colours::ButtonText));
    EXPECT_EQ(verdict.back, response.back.value_or(colours::ButtonFace));
}

TEST(Faces, TheDesignedFacesFirstWhereTheyScaleAndTheirMetricTwinsBehind) {
    for (FontPlatform platform : {FontPlatform::Windows, FontPlatform::MacOS, FontPlatform::Browser}) {
        EXPECT_EQ(typefaceOf(Face::TimesNewRoman, platform).families.front(), "Times New Roman");
        EXPECT_EQ(typefaceOf(Face::Arial, platform).families.front(), "Arial");
        // MS Sans Serif is a bitmap face that does not scale: Arial takes its place.
        EXPECT_EQ(typefaceOf(Face::MsSansSerif, platform).families.front(), "Arial");
    }
    EXPECT_EQ(typefaceOf(Face::TimesNewRoman, FontPlatform::Linux).families.back(), "Liberation Serif");
    EXPECT_EQ(typefaceOf(Face::Arial, FontPlatform::Linux).families.back(), "Liberation Sans");
    EXPECT_EQ(typefaceOf(Face::MsSansSerif, FontPlatform::Linux).families.back(), "Liberation Sans");
    EXPECT_TRUE(typefaceOf(Face::TimesNewRoman, FontPlatform::Linux).serif);
    EXPECT_FALSE(typefaceOf(Face::MsSansSerif, FontPlatform::Browser).serif);
    // A browser without the designed faces falls back to the page's own, which page.css serves.
    const std::string css = sourceFile("web/page.css");
    for (Face face : {Face::MsSansSerif, Face::TimesNewRoman, Face::Arial}) {
        const std::string own(typefaceOf(face, FontPlatform::Browser).families.back());
        EXPECT_NE(css.find("font-family: \"" + own + "\""), std::string::npos) << own;
    }
}

TEST(Pictures, TheListHoldsEveryPictureOfTheTablesWithBothRenderings) {
    std::vector<std::string_view> onTermsScreen;
    for (const ScreenDesign& screen : kScreens) {
        for (const ControlSpec& control : screen.layout().controls) {
            if (control.kind != ControlKind::Picture) continue;
            const PictureFile* file = pictureFile(control.text);
            ASSERT_NE(file, nullptr) << control.text;
            EXPECT_NE(file->use, PictureUse::WindowIcon) << file->name;
            if (screen.id == ScreenId::frmBrivanIntro) onTermsScreen.push_back(file->name);
        }
    }
    // The terms screen's pictures are read first, and only they.
    for (const PictureFile& file : pictureFiles())
        EXPECT_EQ(file.use == PictureUse::TermsScreen,
                  std::find(onTermsScreen.begin(), onTermsScreen.end(), file.name) != onTermsScreen.end())
            << file.name;
    EXPECT_EQ(windowIcon().name, "window_icon.png");
    bool later = false;
    for (const PictureFile& file : pictureFiles()) {
        EXPECT_FALSE(later && file.use == PictureUse::TermsScreen) << file.name << " comes after a later screen's";
        later |= file.use != PictureUse::TermsScreen;
        for (std::string_view name : {file.name, file.twice})
            EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(BRIVAN_SOURCE_DIR) / "src/ui/resources" / name)) << name;
        EXPECT_NE(file.name, file.twice);
    }
}

TEST(Screens, EachScreenHasItsOwnWindow) {
    EXPECT_EQ(layoutOf(ScreenId::frmBrivanIntro).window.caption, "Brivan Review Program");
    EXPECT_EQ(layoutOf(ScreenId::frmBrivan).window.caption, "Brivan 2000 Limitations");
    EXPECT_EQ(layoutOf(ScreenId::frmBrivanAnn).window.caption, "Brivan 2000 Annunciators");
    EXPECT_EQ(layoutOf(ScreenId::frmBrivanMem).window.caption, "Brivan 2000 Memory Items");
    for (ScreenId results : {ScreenId::frmBrivanEnd, ScreenId::frmAnnEnd, ScreenId::frmMemEnd})
        EXPECT_EQ(layoutOf(results).window.caption, "Brivan 2000 Quit or Continue?");
    // The results screens differ in their quiz buttons only.
    EXPECT_NE(row(ScreenId::frmBrivanEnd, "Command2").text, row(ScreenId::frmAnnEnd, "Command2").text);
}
