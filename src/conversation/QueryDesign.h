#pragma once

#include "platform/Twips.h"
#include "widgets/DialogLook.h"

#include <QColor>

// Where the conversation window's controls sit at design size, in twips. The
// layout moves some of them with the window; the rest stay here.
namespace QueryDesign {

inline constexpr TwipsRect DataIn{150, 525, 7410, 4215};
inline constexpr TwipsRect lblNick{240, 240, 510, 195};
inline constexpr TwipsRect lblHost{1920, 240, 3600, 195};
inline constexpr TwipsRect DataOut{240, 5280, 6375, 495};
inline constexpr TwipsRect Image2{6720, 5220, 735, 660};
inline constexpr TwipsRect cmdOptions{360, 4920, 975, 255};
inline constexpr TwipsRect Label6{1560, 4920, 975, 255};
inline constexpr TwipsRect Label7{3000, 4920, 1080, 255};
inline constexpr TwipsRect Label8{4320, 4920, 1080, 255};
inline constexpr TwipsRect LabelAction{5760, 4920, 1215, 255};
inline constexpr TwipsRect Label5{6240, 6000, 465, 195};
inline constexpr TwipsRect Label4{7080, 6000, 495, 255};
inline constexpr TwipsRect Image9{120, 120, 345, 450};
inline constexpr TwipsRect Image10{360, 120, 7005, 450};
inline constexpr TwipsRect Image11{7260, 140, 300, 435};
inline constexpr TwipsRect txt1{240, 4800, 7200, 1530};
inline constexpr TwipsRect Image1{7440, 4800, 195, 1545};
inline constexpr TwipsRect snd1{120, 4800, 195, 1545};

// The client area at design size.
inline constexpr int kClientWidth = 7710;
inline constexpr int kClientHeight = 6585;
// The frame the design's outer sizes include: the smallest outer size is the
// design client area plus this frame.
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 480;
inline constexpr int kMinWidth = kClientWidth + kFrameWidth;    // 7830
inline constexpr int kMinHeight = kClientHeight + kFrameHeight; // 7065

inline const QColor kBackground = kDialogBackground;
inline const QColor kNickColour(27, 58, 154);
inline const QColor kActionColour(0, 0, 192);

} // namespace QueryDesign
