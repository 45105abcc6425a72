// xmalwerk1: plotting and user-interface library for X11.
// Include this header and link libxmalwerk1.a with -lX11 -lpng.
#ifndef XMALWERK1_XMALWERK1_H
#define XMALWERK1_XMALWERK1_H

#include "core/malwerk.h"
#include "menu/menu.h"
#include "requester/requester.h"

#endif
