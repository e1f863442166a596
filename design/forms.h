#pragma once

// The two windows as the Windows program builds them, in pixels at 96 dpi. The Qt forms
// (Form1.ui, Form2.ui) hold the same design; a test compares the two, so a caption, a place or
// a colour changed in one and not in the other fails it. No Windows header here, so that the
// Qt test can read this table too.

#include <cstdint>

namespace design {

// As the forms store a colour: RGB as 0x00BBGGRR, or the desktop's colour number n with the
// top bit set, so that it follows the desktop's colour scheme.
using Colour = std::uint32_t;
inline constexpr Colour noColour = 0xFFFFFFFF;
inline constexpr Colour systemFlag = 0x80000000;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}

constexpr Colour system(int number)
{
    return systemFlag | Colour(number);
}

inline constexpr Colour black = rgb(0, 0, 0);
inline constexpr Colour white = rgb(255, 255, 255);
inline constexpr Colour desktopBackground = system(1);
inline constexpr Colour windowBackground = system(5);
inline constexpr Colour windowFrame = system(6);
inline constexpr Colour menuText = system(7);
inline constexpr Colour highlight = system(13);
inline constexpr Colour highlightText = system(14);
inline constexpr Colour buttonText = system(18);

enum class Kind { Picture, Line, Label, Option, TextBox, Button, RichText };

// A face at a size in hundredths of a point; the desktop's own font where no face is named.
struct Font
{
    const wchar_t *face = nullptr;
    int centipoints = 0;
    bool bold = false;
};

inline constexpr Font desktopFont{};
inline constexpr Font tahoma825{L"Tahoma", 825, false};
inline constexpr Font tahoma825Bold{L"Tahoma", 825, true};
inline constexpr Font tahoma9Bold{L"Tahoma", 900, true};

enum Flags : unsigned {
    Disabled = 1, // takes neither the focus nor input; only the program writes it
    ReadOnly = 2,
    FourCharacters = 4, // the user types or pastes at most four characters
};

struct Control
{
    const char *name;
    Kind kind;
    const wchar_t *caption;
    int x, y, width, height;
    Font font;
    Colour foreground;
    Colour background;
    unsigned flags = 0;
};

struct Window
{
    const char *name;
    const wchar_t *title;
    int clientX, clientY; // where the client area's top-left corner opens on the primary screen
    int clientWidth, clientHeight;
    Colour background;
};

inline constexpr Window form1{"Form1", L"R7V Lumo Vareroro by Vek", 387, 190, 476, 276, black};

// Listed in the order the Windows program creates them in, which is its tab order for the
// controls that take the focus. Screen readers name a box after the static text created just
// before it, so each label comes directly before the box on its row; labels and disabled boxes
// never take the focus, so where they stand leaves the tab order alone.
inline constexpr Control form1Controls[] = {
    {"Label1", Kind::Label, L"Nbre de Reborn:", 13, 48, 105, 17, tahoma9Bold, highlightText, black},
    {"x1", Kind::Option, L"x1", 48, 64, 49, 25, tahoma825, highlightText, menuText},
    {"x2", Kind::Option, L"x2", 48, 88, 41, 25, tahoma825, highlightText, buttonText},
    {"x3", Kind::Option, L"x3", 48, 112, 41, 25, tahoma825, white, black},
    {"Label2", Kind::Label, L"Stat de base: (lvl 1)", 160, 48, 129, 17, tahoma9Bold, white, buttonText},
    {"Label3_0", Kind::Label, L"Force:", 160, 72, 65, 17, tahoma825, highlightText, black},
    {"force", Kind::TextBox, L"", 240, 72, 41, 19, desktopFont, windowBackground, windowFrame, Disabled | ReadOnly},
    {"Label4_0", Kind::Label, L"Endurance:", 160, 96, 65, 17, tahoma825, highlightText, black},
    {"endu", Kind::TextBox, L"", 240, 96, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {"Label5_0", Kind::Label, L"Dextérité:", 160, 120, 65, 17, tahoma825, highlightText, black},
    {"dext", Kind::TextBox, L"", 240, 120, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {"Label6_0", Kind::Label, L"Sagesse:", 160, 144, 65, 17, tahoma825, highlightText, black},
    {"sag", Kind::TextBox, L"", 240, 144, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {"Label7", Kind::Label, L"Intelligence:", 160, 168, 65, 17, tahoma825, highlightText, black},
    {"intel", Kind::TextBox, L"", 240, 168, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {"Label8", Kind::Label, L"Stats Voulues:", 336, 48, 97, 17, tahoma9Bold, white, buttonText},
    {"Label3_1", Kind::Label, L"Force:", 320, 72, 65, 17, tahoma825, highlightText, black},
    {"force2", Kind::TextBox, L"", 400, 72, 41, 19, desktopFont, windowBackground, windowFrame, FourCharacters},
    {"Label4_1", Kind::Label, L"Endurance:", 320, 96, 65, 17, tahoma825, highlightText, black},
    {"endu2", Kind::TextBox, L"", 400, 96, 41, 19, desktopFont, white, black, FourCharacters},
    {"Label5_1", Kind::Label, L"Dextérité:", 320, 120, 65, 17, tahoma825, highlightText, black},
    {"dext2", Kind::TextBox, L"", 400, 120, 41, 19, desktopFont, white, black, FourCharacters},
    {"Label6_1", Kind::Label, L"Sagesse:", 320, 144, 65, 17, tahoma825, highlightText, black},
    {"sag2", Kind::TextBox, L"", 400, 144, 41, 19, desktopFont, white, black, FourCharacters},
    {"Label9", Kind::Label, L"Intelligence:", 320, 168, 65, 17, tahoma825, highlightText, black},
    {"intel2", Kind::TextBox, L"", 400, 168, 41, 19, desktopFont, white, black, FourCharacters},
    {"Label10", Kind::Label, L"Level Final : ", 16, 216, 81, 17, tahoma9Bold, white, menuText},
    {"final", Kind::TextBox, L"", 104, 216, 41, 19, desktopFont, windowBackground, black, Disabled | ReadOnly},
    {"Label11", Kind::Label, L"Pts de Compétences : ", 248, 216, 145, 17, tahoma9Bold, highlightText, black},
    {"comp", Kind::TextBox, L"", 400, 216, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {"calcul", Kind::Button, L"Allez On Calcule :)", 128, 248, 209, 17, desktopFont, buttonText, highlightText},
    // Neither takes the focus: the banner and the lines come last.
    {"Image1", Kind::Picture, L"R7V Lumo Vareroro", 120, 0, 220, 33, desktopFont, noColour, noColour},
    {"Line1", Kind::Line, L"", 143, 48, 3, 144, desktopFont, noColour, highlight},
    {"Line2", Kind::Line, L"", 295, 48, 3, 144, desktopFont, noColour, highlight},
    {"Line3", Kind::Line, L"", 8, 199, 456, 3, desktopFont, noColour, white},
};

inline constexpr wchar_t menuTitle[] = L"Plus";
inline constexpr wchar_t aboutItem[] = L"About";
inline constexpr wchar_t quitItem[] = L"Quitter";

inline constexpr Window form2{"Form2", L"About !", 454, 210, 247, 167, noColour};

inline constexpr Control form2Controls[] = {
    {"rtf", Kind::RichText, L"", 0, 0, 249, 137, tahoma825Bold, noColour, desktopBackground, ReadOnly},
    {"Command1", Kind::Button, L"Quitter", 64, 144, 113, 17, desktopFont, noColour, noColour},
};

// The banner's artwork at its own size; screens of 1.5 times that density and more draw it
// from the double-size one.
inline constexpr int bannerWidth = 220;
inline constexpr int bannerHeight = 33;

} // namespace design
