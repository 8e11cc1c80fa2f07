// <windows.h> without its min and max macros and the parts of the API that
// Taketa never uses. Include this, never <windows.h> itself, before any
// other Windows header.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
