#pragma once

// Counts the library's living objects so the library can tell whether it may be unloaded.
// Every object the library creates (controls, the property page, its dialog) holds one token
// for its lifetime.
class LiveObjectToken
{
public:
    LiveObjectToken();
    ~LiveObjectToken();
    LiveObjectToken(const LiveObjectToken &) = delete;
    LiveObjectToken &operator=(const LiveObjectToken &) = delete;

    static int count();
};
