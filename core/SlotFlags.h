// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's whole run state: two bits in the integer tag of its button.
#pragma once

namespace slot {

constexpr int Running = 0x01; // counting down
constexpr int Ringing = 0x10; // ran out, alert pending

// The only three ways a slot's tag ever changes.
constexpr int started(int tag) {
    return tag ^ Running;
}
constexpr int expired(int tag) {
    return tag ^ (Running | Ringing);
}
constexpr int cleared(int tag) {
    return int(unsigned(tag) & 0xFFFFFF00u);
}

constexpr int FirstCountdown = 1;
constexpr int LastCountdown = 10;
constexpr int FirstQuick = 23;
constexpr int LastQuick = 34;

constexpr bool isCountdown(int n) {
    return n >= FirstCountdown && n <= LastCountdown;
}

constexpr bool isQuick(int n) {
    return n >= FirstQuick && n <= LastQuick;
}

constexpr bool isSlot(int n) {
    return isCountdown(n) || isQuick(n);
}

// Calls f with every slot number, countdown slots first.
template <typename F> void forEachSlot(F&& f) {
    for (int n = FirstCountdown; n <= LastCountdown; ++n)
        f(n);
    for (int n = FirstQuick; n <= LastQuick; ++n)
        f(n);
}

} // namespace slot
