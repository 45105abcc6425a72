// Library-internal parts of the menu subsystem used by the core.
#ifndef XMALWERK1_MENU_MENU_INTERN_H
#define XMALWERK1_MENU_MENU_INTERN_H

#include "menu.h"

void menu_font_anfordern();
void menu_setzen();

#endif
