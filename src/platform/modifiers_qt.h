#pragma once
#include "platform/message.h"

#include <QGuiApplication>

// The program's Modifier flags for the toolkit's; without an argument, those of the input event
// handled last (not the keyboard as it is now).
inline int32_t modifiersOf(Qt::KeyboardModifiers held = QGuiApplication::keyboardModifiers()) {
    return (held & Qt::ShiftModifier ? KeyShift : 0) | (held & Qt::ControlModifier ? KeyControl : 0) |
           (held & Qt::AltModifier ? KeyAlt : 0);
}
