// The menu commands of the viewer's "File" and "Hilfe" menus.
#ifndef UMBRIX_BETRACHTER_MENUBEFEHLE_H
#define UMBRIX_BETRACHTER_MENUBEFEHLE_H

extern const char *const hilfetext;

void m_next(long);
void m_vorige(long);
void m_set(long);
void m_hilfe(long);
void menu_exit(long);

#endif
