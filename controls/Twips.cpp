#include "Twips.h"

Twips::Twips(double logicalDpi) : m_dpi(logicalDpi > 0.0 ? logicalDpi : 96.0) {}
