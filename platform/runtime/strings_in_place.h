// Included before everything the Windows builds compile (cmake/Ship.cmake). The runtime's
// headers declare std::string's members as instantiated in the runtime library, so every
// program links the runtime's whole string object: about 200 functions and 33 KB in the 32-bit
// programs, all of them kept, since the unwind tables that name them are always kept. The
// headers' own setting of -1 (which their assertions mode uses) leaves that declaration out for
// strings alone, so each object instantiates just the members it calls, and the linker keeps
// one copy of each.
#pragma once

#include <bits/c++config.h>

#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
