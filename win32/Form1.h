#pragma once

#include "Form2.h"

// The calculator: the reborn presets fill the level-1 boxes, the player types the wanted
// values, and the button shows the level and the skill points it takes.
class Form1 : public BaseWindow<Form1>, private design::Form1Face
{
public:
    ~Form1();

    bool create();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND control(design::Form1Control id) const { return GetDlgItem(hwnd(), controlId(id)); }
    Form2 &aboutWindow() { return about; } // loaded or not
    HBITMAP bannerBitmap() const { return banner; } // as drawn, at the window's density

    static constexpr int aboutCommand = 40001;
    static constexpr int quitCommand = 40002;

private:
    std::u16string text(design::Form1Control box) const override;
    void setText(design::Form1Control box, std::u16string_view text) override;
    calc::NumberFormat numberFormat() const override;
    void reportFailure(calc::Status status) override;
    void announce(std::u16string_view text) override;

    void OnCreate();
    void OnCommand(int id, int code);
    void OnDrawItem(const DRAWITEMSTRUCT &item);
    void OnEraseBackground(HDC dc);
    void OnDpiChanged(UINT dpi);
    void OnSysColorChange();
    void OnDestroy();

    void about_Click();
    void quit_Click();

    HBITMAP banner = nullptr;
    Form2 about;
};
