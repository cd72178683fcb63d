// SPDX-License-Identifier: GPL-3.0-or-later
// A symbol of a library the program loads only when it needs it, as the
// typed pointer it is; null when the library or the symbol is missing.
#pragma once

#include <QLibrary>

namespace platform {

template <typename Pointer> void resolve(QLibrary& library, Pointer& pointer, const char* name) {
    pointer = reinterpret_cast<Pointer>(library.resolve(name));
}

} // namespace platform
