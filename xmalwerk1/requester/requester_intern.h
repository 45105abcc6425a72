// Library-internal parts of the requester subsystem used by the core.
#ifndef XMALWERK1_REQUESTER_REQUESTER_INTERN_H
#define XMALWERK1_REQUESTER_REQUESTER_INTERN_H

#include "requester.h"

extern int requester_font_flag;

#endif
