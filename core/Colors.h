// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the program stores them: 0x00BBGGRR, red in the low byte. The
// settings and the slot logic compare these integers, so they stay integers
// until a control paints them.
#pragma once

namespace clr {

constexpr int Background = 11395047;     // #E7DFAD, the window and the slot rows
constexpr int TitleStrip = 8113127;      // #E7CB7B, also an alarm that is ON
constexpr int ButtonPanel = 10866654;    // #DECFA5, also an alarm that is OFF
constexpr int CornerDot = 14205104;      // #B0C0D8
constexpr int Popup = 12422779;          // #7B8EBD
constexpr int Blue = 16711680;           // #0000FF
constexpr int Red = 255;                 // #FF0000
constexpr int Navy = 8388608;            // #000080
constexpr int Maroon = 128;              // #800000
constexpr int White = 16777215;          // #FFFFFF
constexpr int Yellow = 65535;            // #FFFF00
constexpr int WindowText = 0;            // #000000
constexpr int ScheduleDialog = 11063520; // #E0D0A8, the schedule dialog

} // namespace clr
