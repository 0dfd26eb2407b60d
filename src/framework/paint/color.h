#pragma once

#include <QColor>

#include <cstdint>

namespace pellax {

// A colour value: 0x00BBGGRR (red in the low byte), or 0x80000000 plus the index
// of a desktop colour, which is resolved only when drawn.
using TColor = std::int32_t;

inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor systemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr bool isSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u; }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;

// Indexes into the desktop colour table.
enum SysColorIndex : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND, COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_MENU,
    COLOR_WINDOW, COLOR_WINDOWFRAME, COLOR_MENUTEXT, COLOR_WINDOWTEXT, COLOR_CAPTIONTEXT,
    COLOR_ACTIVEBORDER, COLOR_INACTIVEBORDER, COLOR_APPWORKSPACE, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
    COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_GRAYTEXT, COLOR_BTNTEXT, COLOR_INACTIVECAPTIONTEXT,
    COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_INFOTEXT, COLOR_INFOBK,
    COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION, COLOR_GRADIENTINACTIVECAPTION,
    COLOR_ENDCOLORS
};

inline constexpr TColor clActiveCaption = systemColor(COLOR_ACTIVECAPTION);
inline constexpr TColor clInactiveCaption = systemColor(COLOR_INACTIVECAPTION);
inline constexpr TColor clWindow = systemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = systemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = systemColor(COLOR_CAPTIONTEXT);
inline constexpr TColor clBtnFace = systemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = systemColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = systemColor(COLOR_GRAYTEXT);
inline constexpr TColor clInactiveCaptionText = systemColor(COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = systemColor(COLOR_BTNHIGHLIGHT);

// The Qt colour a value stands for, system colours resolved through the desktop.
QColor toQColor(TColor color);
// The Qt colour of a value that is already 0x00BBGGRR.
QColor rgbToQColor(TColor color);

}  // namespace pellax
