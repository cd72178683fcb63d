// SPDX-License-Identifier: GPL-3.0-or-later
// What the controls share of their drawing and set-up.
#pragma once

#include "Controls.h"

#include <QPainter>

namespace widget_parts {

inline void place(QWidget* widget, const QString& name, QRect bounds) {
    widget->setObjectName(name);
    widget->setGeometry(bounds);
}

inline void setPaletteColor(QWidget* widget, QPalette::ColorRole role, int color) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(color));
    widget->setPalette(palette);
}

inline void drawFrame(QPainter& p, QRect r, int lightColor, int darkColor) {
    p.setPen(toQColor(lightColor));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(toQColor(darkColor));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// Stores a property of a control and repaints it when the value changed.
template <typename T> void change(QWidget* control, T& field, const T& value) {
    if (field != value) {
        field = value;
        control->update();
    }
}

inline constexpr int kHighlight = 0xFFFFFF;
inline constexpr int kShadow = 0x808080;

} // namespace widget_parts
