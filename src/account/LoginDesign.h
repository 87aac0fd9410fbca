#pragma once

#include "platform/Twips.h"

// Where the sign-in window's controls sit at design size, in twips of its
// client area. The layout moves most of them with the window's width.
namespace LoginDesign {

inline constexpr TwipsRect TopD{0, 0, 5415, 750};
inline constexpr TwipsRect Label2{150, 210, 5000, 330};
inline constexpr TwipsRect Image3{2167, 1120, 960, 960};
inline constexpr TwipsRect Frame2{0, 2450, 2657, 540};
inline constexpr TwipsRect Frame1{3207, 2450, 7207, 540};
inline constexpr TwipsRect Image2{2657, 2425, 3208, 585};
inline constexpr TwipsRect Image1{847, 2450, 3600, 540};
inline constexpr TwipsRect Picture1{-8968, 2450, 23040, 540};
inline constexpr TwipsRect Picture2{14040, 2450, 23040, 540};
inline constexpr TwipsRect Label3{307, 3550, 2400, 255};
inline constexpr TwipsRect Text1{1307, 3850, 2800, 330};
inline constexpr TwipsRect Label4{307, 4150, 2400, 255};
inline constexpr TwipsRect Text2{1307, 4450, 2800, 330};
inline constexpr TwipsRect Label6{1907, 4150, 1600, 330};
inline constexpr TwipsRect check2{1707, 4950, 3300, 255};
inline constexpr TwipsRect Check3{1707, 5225, 3300, 255};
inline constexpr TwipsRect check1{1707, 5500, 3300, 255};
inline constexpr TwipsRect ChkStartUp{1707, 5775, 3300, 255};
inline constexpr TwipsRect cmdSignIn{2007, 6525, 1170, 420};
inline constexpr TwipsRect Label5{2007, 7050, 1400, 195};
inline constexpr TwipsRect Label7{1207, 7250, 3000, 195};
inline constexpr TwipsRect Label8{1807, 7450, 1800, 195};

// The outer size at design, which is also the smallest: the client area plus
// the frame (title bar, menu bar and borders) that the design's sizes include.
inline constexpr int kMinWidth = 5415;
inline constexpr int kMinHeight = 8790;
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 750;

// Where the second banner picture starts, right behind the first.
inline constexpr int kPicture2Left = 14040;

} // namespace LoginDesign
