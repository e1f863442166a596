#pragma once

#include "BaseWindow.h"
#include "Form2.h"
#include "controls.h"

#include <string_view>

namespace calc {
enum class Status;
}

// The calculator: the reborn presets fill the level-1 boxes, the player types the wanted
// values, and the button shows the level and the skill points it takes.
class Form1 : public BaseWindow<Form1>
{
public:
    Form1() = default;
    ~Form1();

    bool create();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // A control by the name the design gives it.
    HWND control(std::string_view name) const;
    // The about window, loaded or not.
    Form2 &aboutWindow() { return about; }
    // The banner as drawn, at the window's density.
    HBITMAP bannerBitmap() const { return banner; }

    static constexpr int aboutCommand = 40001;
    static constexpr int quitCommand = 40002;

private:
    void OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HWND control, HDC dc);
    void OnDrawItem(const DRAWITEMSTRUCT &item);
    void OnEraseBackground(HDC dc);
    void OnSysColorChange();
    void OnDestroy();

    void calcul_Click();
    void x1_Click();
    void x2_Click();
    void x3_Click();
    void about_Click();
    void quit_Click();
    void aff(const wchar_t *level1Value);
    void wanted_KeyPress(wchar_t &keyAscii);
    void reportFailure(calc::Status status);

    void layOut(UINT dpi);
    void drawButton(const DRAWITEMSTRUCT &item);
    static LRESULT CALLBACK wantedBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR form);

    Fonts fonts;
    Brushes brushes;
    HBITMAP banner = nullptr;
    Form2 about;
};
