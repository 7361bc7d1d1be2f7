#pragma once

// Start-up helpers of the main window. The processor choice lives with the
// settings it reads, so the preferences dialog applies it too.
#include "album/cpuaffinity.h"
