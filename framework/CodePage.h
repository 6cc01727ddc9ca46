// The lead bytes of the system's active ANSI code page.
#pragma once

#include "framework/MbText.h"

const CLeadBytes& ActiveLeadBytes();
