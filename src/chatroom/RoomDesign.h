#pragma once

#include "platform/Twips.h"

#include <array>
#include <cstddef>

// Where the room window's controls sit when it is created, in twips, and the
// sizes its layout keeps to. The layout moves the placed controls with the
// window; the others stay where they are created.
namespace RoomDesign {

// The controls the layout reads or moves.
// clang-format off
enum Placed : std::size_t {
    Image4, Image7, Label6, Label2, rtbTopic, DataIn, Image10, Image11, lstNick1, lstNick2, LstNick3, Shape1,
    lstnicksShape, lstNicks, ToolBar1, Toolbar2, txt1, snd1, Image1, Image5, Image2, DataOut, Command3, check1,
    check2, command1, Check3, Check4, Label1, Label3, Label4, Label5, Home, Misc, TBar,
    PlacedCount
};
// clang-format on

inline constexpr std::array<TwipsRect, PlacedCount> Design{{
    {7080, 0, 360, 315},      // Image4
    {7440, 0, 180, 315},      // Image7
    {5760, 45, 1710, 195},    // Label6
    {480, 1080, 2415, 255},   // Label2
    {1080, 1080, 3615, 255},  // rtbTopic
    {240, 1440, 4575, 3015},  // DataIn
    {360, 960, 4245, 450},    // Image10
    {4560, 975, 300, 435},    // Image11
    {5160, 960, 345, 450},    // lstNick1
    {5400, 960, 1965, 450},   // lstNick2
    {7200, 975, 300, 435},    // LstNick3
    {150, 1395, 4710, 3255},  // Shape1
    {5160, 1395, 2340, 3255}, // lstnicksShape
    {5280, 1515, 2100, 2955}, // lstNicks
    {7560, 720, 2805, 510},   // ToolBar1
    {7680, 1320, 2805, 510},  // Toolbar2
    {240, 4800, 7200, 1530},  // txt1
    {120, 4800, 195, 1545},   // snd1
    {7440, 4800, 195, 1545},  // Image1
    {7200, 4860, 285, 270},   // Image5
    {6720, 5220, 735, 660},   // Image2
    {240, 5200, 6375, 700},   // DataOut
    {480, 4880, 375, 255},    // Command3
    {960, 4880, 375, 255},    // check1
    {1440, 4880, 375, 255},   // check2
    {1920, 4880, 375, 255},   // command1
    {2520, 4920, 855, 195},   // Check3
    {3360, 4920, 1215, 195},  // Check4
    {4680, 4920, 975, 255},   // Label1
    {240, 6000, 5775, 255},   // Label3
    {7080, 6000, 495, 255},   // Label4
    {6240, 6000, 465, 195},   // Label5
    {7920, 4920, 975, 615},   // Home
    {7920, 3360, 1095, 735},  // Misc
    {0, 6480, 7695, 495},     // TBar
}};

// Controls that stay where they are created.
inline constexpr TwipsRect Image9{120, 960, 345, 450};
inline constexpr TwipsRect cmdCount{360, 540, 3600, 255};

// The window is never smaller than this (outer size).
inline constexpr int kMinWidth = 11500;
inline constexpr int kMinHeight = 7650;
// The caption, menu bar and borders that the outer size includes beyond the
// client area: with them the banner and the tab strip, which the layout ends
// 100 and 705 twips short of the outer edges, reach the client's edges.
inline constexpr int kFrameWidth = 100;
inline constexpr int kFrameHeight = 705;

} // namespace RoomDesign
