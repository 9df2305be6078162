#pragma once

// Everything a program needs to create and call the library's controls by class name and
// dispatch id, without linking the library: link the CMake target VeldoSharedControls::Host.
#include "ControlHost.h"
#include "DispatchInvoker.h"
#include "RegistryFile.h"
#include "RegistrySearch.h"
