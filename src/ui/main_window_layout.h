#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace brisquel::layout {

// The main window at 96 dpi, in pixels of its client area. The skin is painted to match,
// so the controls laid over it and the painted frames meet exactly.

inline constexpr QSize Client{699, 454};
inline constexpr QSize Skin{720, 458};

// imgToolbar by index; index 5 is part of the set but never shown.
inline constexpr std::array<QRect, 7> Toolbar{{
    {19, 4, 48, 57},   // 0 Add
    {169, 3, 60, 60},  // 1 Remove
    {239, 3, 60, 60},  // 2 Setting
    {313, 3, 60, 60},  // 3 Help
    {374, 3, 60, 60},  // 4 Exit
    {0, 0, 0, 0},      // 5
    {82, 3, 68, 60},   // 6 Add Folder
}};
// The highlight pictures, drawn from the top-left corner of their hot image.
inline constexpr std::array<QSize, 7> ToolbarHighlight{{
    {48, 57}, {60, 60}, {60, 60}, {60, 60}, {60, 60}, {0, 0}, {68, 60},
}};
inline constexpr QRect Convert{492, 333, 187, 91};
inline constexpr QSize ConvertHighlight{185, 88};

inline constexpr QRect List{14, 122, 455, 274};
// The list's painted frame, its column header band included; corners of radius 6.
inline constexpr QRect ListFrame{13, 98, 457, 299};
inline constexpr int ListFrameRadius = 6;
inline constexpr int FileNameColumnWidth = 361;
inline constexpr QRect EmptyHint{152, 228, 163, 21};
// Beyond the right edge of the client area, so that the user does not normally reach it.
inline constexpr QRect DropZone{742, 122, 96, 96};

inline constexpr QRect Split{554, 103, 43, 23};
inline constexpr QRect Unit{600, 103, 89, 22};
inline constexpr QRect Format{482, 156, 207, 22};
inline constexpr QRect Bitrate{482, 198, 93, 22};
inline constexpr QRect Rate{602, 200, 89, 22};
inline constexpr QRect Channel{482, 244, 207, 22};
inline constexpr QRect Path{482, 292, 149, 23};
inline constexpr QRect Browse{640, 291, 49, 25};

// The bar grows to the right from its left edge, up to the full width.
inline constexpr QRect Bar{109, 409, 361, 13};
inline constexpr QRect Percentage{208, 409, 157, 13};
inline constexpr QRect Web{14, 434, 133, 13};
// The whole batch's line, on the footer to the right of the web label.
inline constexpr QRect Status{170, 434, 300, 13};

} // namespace brisquel::layout
