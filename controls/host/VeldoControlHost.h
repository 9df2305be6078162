#pragma once

// Everything a program needs to create and call the library's controls by class name and
// dispatch id, without linking the library: link the CMake target VeldoSharedControls::Host.
// Its calls are static and report failure through an optional QString *error, which programs
// built against version 3 rely on; the program's own Qt code uses bool + errorString().
#include "ControlHost.h"
#include "DispatchInvoker.h"
#include "RegistryFile.h"
#include "RegistrySearch.h"
