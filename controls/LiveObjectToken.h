#pragma once

#include "VeldoSharedControlsGlobal.h"

// Counts the library's living objects so the library can tell whether it may be unloaded.
// Every object the library creates (controls, the property page, its dialog) holds one token
// for its lifetime; exported, as the inline destructors of the exported classes end tokens.
class VELDO_CONTROLS_EXPORT LiveObjectToken
{
public:
    LiveObjectToken();
    ~LiveObjectToken();
    LiveObjectToken(const LiveObjectToken &) = delete;
    LiveObjectToken &operator=(const LiveObjectToken &) = delete;

    static int count();
};
