#include "LiveObjectToken.h"

#include <atomic>

namespace {
std::atomic<int> liveObjects{0};
}

LiveObjectToken::LiveObjectToken()
{
    ++liveObjects;
}

LiveObjectToken::~LiveObjectToken()
{
    --liveObjects;
}

int LiveObjectToken::count()
{
    return liveObjects.load();
}
