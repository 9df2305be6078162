#pragma once

#include <QtCore/qnamespace.h>

// Translates Qt keys and modifiers into the key codes and shift masks that the controls' key
// events carry (letters and digits as their upper-case character code, Shift 1, Ctrl 2, Alt 4).
class KeyCodes
{
public:
    static qint16 keyCode(int qtKey);
    static qint16 shiftMask(Qt::KeyboardModifiers modifiers);
};
