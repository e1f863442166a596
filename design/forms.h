#pragma once

// The two windows of both programs, in pixels at 96 dpi: each program maps the colours and
// fonts to its own toolkit.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace design {

// As the forms store a colour: RGB as 0x00BBGGRR, or the desktop's colour number n with the
// top bit set, so that it follows the desktop's colour scheme.
using Colour = std::uint32_t;
inline constexpr Colour noColour = 0xFFFFFFFF;
inline constexpr Colour systemFlag = 0x80000000;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Colour(r) | Colour(g) << 8 | Colour(b) << 16; }
constexpr Colour system(int number) { return systemFlag | Colour(number); }

inline constexpr Colour black = rgb(0, 0, 0);
inline constexpr Colour white = rgb(255, 255, 255);
inline constexpr Colour desktopBackground = system(1);
inline constexpr Colour windowBackground = system(5);
inline constexpr Colour windowFrame = system(6);
inline constexpr Colour menuText = system(7);
inline constexpr Colour highlight = system(13);
inline constexpr Colour highlightText = system(14);
inline constexpr Colour buttonText = system(18);
// Where there is no desktop colour to take (Linux desktops, web pages): a dark navy, on which
// the about box's white text reads.
inline constexpr Colour desktopBackgroundStandIn = rgb(0x0b, 0x25, 0x45);

// A live text shows nothing: screen readers announce its text when the program changes it.
enum class Kind { Picture, Line, Label, Option, TextBox, Button, RichText, LiveText };

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

// How many characters the user may type or paste into a box; 0 for no limit of the design's.
constexpr int typedLength(unsigned flags) { return flags & FourCharacters ? 4 : 0; }

// Each window's controls, in table order: the code knows them by these names.
enum class Form1Control {
    Label1, x1, x2, x3, Label2,
    Label3_0, force, Label4_0, endu, Label5_0, dext, Label6_0, sag, Label7, intel,
    Label8, Label3_1, force2, Label4_1, endu2, Label5_1, dext2, Label6_1, sag2, Label9, intel2,
    Label10, final, Label11, comp, calcul,
    Image1, Line1, Line2, Line3, annonce,
};
enum class Form2Control { rtf, Command1 };

// A control's row in its window's table, from either window's names.
struct ControlId
{
    constexpr ControlId(Form1Control id) : row(std::size_t(id)) {}
    constexpr ControlId(Form2Control id) : row(std::size_t(id)) {}
    std::size_t row;
};

struct Control
{
    ControlId id;
    const char *name;
    Kind kind;
    const wchar_t *caption;
    int x, y, width, height;
    Font font;
    Colour foreground;
    Colour background;
    unsigned flags = 0;
    const wchar_t *description = nullptr;    // what screen readers say besides its label
    const wchar_t *accessibleName = nullptr; // what they call it, where its text keeps changing
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
inline constexpr Window form2{"Form2", L"About !", 454, 210, 247, 167, noColour};

namespace tables {

inline constexpr wchar_t rebornCount[] = L"Nbre de Reborn:";
inline constexpr wchar_t baseStat[] = L"Stat de base (lvl 1)";
inline constexpr wchar_t wantedStat[] = L"Stat voulue";

using enum Form1Control;
using enum Form2Control;

// Screen readers on Windows name a box after the static text created just before it, so each
// label comes directly before the box on its row; labels and disabled boxes never take the
// focus, so the focus visits the others in this order: x1 x2 x3 force2 … intel2 calcul.
inline constexpr Control form1[] = {
    {Label1, "Label1", Kind::Label, rebornCount, 13, 48, 105, 17, tahoma9Bold, highlightText, black},
    // Screen readers hear each option with the heading that says what it counts.
    {x1, "x1", Kind::Option, L"x1", 48, 64, 49, 25, tahoma825, highlightText, menuText, 0, rebornCount},
    {x2, "x2", Kind::Option, L"x2", 48, 88, 41, 25, tahoma825, highlightText, buttonText, 0, rebornCount},
    {x3, "x3", Kind::Option, L"x3", 48, 112, 41, 25, tahoma825, white, black, 0, rebornCount},
    {Label2, "Label2", Kind::Label, L"Stat de base: (lvl 1)", 160, 48, 129, 17, tahoma9Bold, white, buttonText},
    {Label3_0, "Label3_0", Kind::Label, L"Force:", 160, 72, 65, 17, tahoma825, highlightText, black},
    {force, "force", Kind::TextBox, L"", 240, 72, 41, 19, desktopFont, windowBackground, windowFrame, Disabled | ReadOnly, baseStat},
    {Label4_0, "Label4_0", Kind::Label, L"Endurance:", 160, 96, 65, 17, tahoma825, highlightText, black},
    {endu, "endu", Kind::TextBox, L"", 240, 96, 41, 19, desktopFont, white, black, Disabled | ReadOnly, baseStat},
    {Label5_0, "Label5_0", Kind::Label, L"Dextérité:", 160, 120, 65, 17, tahoma825, highlightText, black},
    {dext, "dext", Kind::TextBox, L"", 240, 120, 41, 19, desktopFont, white, black, Disabled | ReadOnly, baseStat},
    {Label6_0, "Label6_0", Kind::Label, L"Sagesse:", 160, 144, 65, 17, tahoma825, highlightText, black},
    {sag, "sag", Kind::TextBox, L"", 240, 144, 41, 19, desktopFont, white, black, Disabled | ReadOnly, baseStat},
    {Label7, "Label7", Kind::Label, L"Intelligence:", 160, 168, 65, 17, tahoma825, highlightText, black},
    {intel, "intel", Kind::TextBox, L"", 240, 168, 41, 19, desktopFont, white, black, Disabled | ReadOnly, baseStat},
    {Label8, "Label8", Kind::Label, L"Stats Voulues:", 336, 48, 97, 17, tahoma9Bold, white, buttonText},
    {Label3_1, "Label3_1", Kind::Label, L"Force:", 320, 72, 65, 17, tahoma825, highlightText, black},
    {force2, "force2", Kind::TextBox, L"", 400, 72, 41, 19, desktopFont, windowBackground, windowFrame, FourCharacters, wantedStat},
    {Label4_1, "Label4_1", Kind::Label, L"Endurance:", 320, 96, 65, 17, tahoma825, highlightText, black},
    {endu2, "endu2", Kind::TextBox, L"", 400, 96, 41, 19, desktopFont, white, black, FourCharacters, wantedStat},
    {Label5_1, "Label5_1", Kind::Label, L"Dextérité:", 320, 120, 65, 17, tahoma825, highlightText, black},
    {dext2, "dext2", Kind::TextBox, L"", 400, 120, 41, 19, desktopFont, white, black, FourCharacters, wantedStat},
    {Label6_1, "Label6_1", Kind::Label, L"Sagesse:", 320, 144, 65, 17, tahoma825, highlightText, black},
    {sag2, "sag2", Kind::TextBox, L"", 400, 144, 41, 19, desktopFont, white, black, FourCharacters, wantedStat},
    {Label9, "Label9", Kind::Label, L"Intelligence:", 320, 168, 65, 17, tahoma825, highlightText, black},
    {intel2, "intel2", Kind::TextBox, L"", 400, 168, 41, 19, desktopFont, white, black, FourCharacters, wantedStat},
    {Label10, "Label10", Kind::Label, L"Level Final : ", 16, 216, 81, 17, tahoma9Bold, white, menuText},
    {final, "final", Kind::TextBox, L"", 104, 216, 41, 19, desktopFont, windowBackground, black, Disabled | ReadOnly},
    {Label11, "Label11", Kind::Label, L"Pts de Compétences : ", 248, 216, 145, 17, tahoma9Bold, highlightText, black},
    {comp, "comp", Kind::TextBox, L"", 400, 216, 41, 19, desktopFont, white, black, Disabled | ReadOnly},
    {calcul, "calcul", Kind::Button, L"Allez On Calcule :)", 128, 248, 209, 17, desktopFont, buttonText, highlightText},
    // Neither takes the focus: the banner and the lines come last.
    {Image1, "Image1", Kind::Picture, L"R7V Lumo Vareroro", 120, 0, 220, 33, desktopFont, noColour, noColour},
    {Line1, "Line1", Kind::Line, L"", 143, 48, 3, 144, desktopFont, noColour, highlight},
    {Line2, "Line2", Kind::Line, L"", 295, 48, 3, 144, desktopFont, noColour, highlight},
    {Line3, "Line3", Kind::Line, L"", 8, 199, 456, 3, desktopFont, noColour, white},
    {annonce, "annonce", Kind::LiveText, L"", 0, 0, 0, 0, desktopFont, noColour, noColour},
};

// The box's text changes at every tick: screen readers call it by the window's title instead,
// and read what it has typed as its text.
inline constexpr Control form2[] = {
    {rtf, "rtf", Kind::RichText, L"", 0, 0, 249, 137, tahoma825Bold, white, desktopBackground, ReadOnly, nullptr, design::form2.title},
    {Command1, "Command1", Kind::Button, L"Quitter", 64, 144, 113, 17, desktopFont, noColour, noColour},
};

} // namespace tables

inline constexpr std::span<const Control> form1Controls = tables::form1;
inline constexpr std::span<const Control> form2Controls = tables::form2;

inline constexpr wchar_t menuTitle[] = L"Plus";
inline constexpr wchar_t aboutItem[] = L"About";
inline constexpr wchar_t quitItem[] = L"Quitter";

// Which banner a screen of `scale` times the base density shows, at what size, and whether it is
// brought to it, smoothly: above 1 the double-size picture, never the small one blown up.
struct BannerArt { bool doubleSize; int width, height, artWidth, artHeight; bool rescaled; };

constexpr BannerArt bannerArt(double scale)
{
    const Control &image = form1Controls[std::size_t(Form1Control::Image1)];
    const int factor = scale > 1 ? 2 : 1, artWidth = image.width * factor, artHeight = image.height * factor;
    // Half a pixel rounds up, as the desktops round sizes.
    const int width = int(image.width * scale + 0.5), height = int(image.height * scale + 0.5);
    return {factor == 2, width, height, artWidth, artHeight, width != artWidth || height != artHeight};
}

// The text box a label names: the one created right after it, if any.
constexpr const Control *boxNamedBy(std::span<const Control> controls, std::size_t label)
{
    const bool named = label + 1 < controls.size() && controls[label].kind == Kind::Label
                       && controls[label + 1].kind == Kind::TextBox;
    return named ? &controls[label + 1] : nullptr;
}

// How wide a label may grow when its caption's ink is wider than its box: up to the nearest
// control on its right or the window's edge, never over another control.
constexpr int roomFor(std::span<const Control> controls, std::size_t label, int clientWidth)
{
    const Control &caption = controls[label];
    const int right = caption.x + caption.width;
    int limit = clientWidth;
    for (const Control &other : controls) {
        const bool beside = other.y < caption.y + caption.height && caption.y < other.y + other.height;
        if (beside && other.x >= right)
            limit = std::min(limit, other.x);
    }
    return limit - caption.x;
}

// The width a label takes for a caption whose ink is `ink` wide: the whole caption where there is room.
constexpr int captionWidth(int designed, int room, int ink)
{
    return std::clamp(ink, designed, std::max(designed, room));
}

} // namespace design
