// The leading '%' codes of a menu item text.
#include "menu_intern.h"

MenuMarkup markup_zerlegen(const char *text)
{
    MenuMarkup m;
    if (!text) return m;
    const char *p = text;
    while (*p == ' ') ++p;
    // A lone '%' at the end is a label, not a code.
    while (p[0] == '%' && p[1] != '%' && p[1] != '\0') {
        char code = p[1];
        p += 2;
        if (code == 'A') {
            m.taste = *p;
            if (*p) ++p;
        } else if (code != '~') {
            m.symbole += code;
        }
    }
    if (p[0] == '%' && p[1] == '%') ++p;  // "%%" leaves one '%' as the label's start
    m.label = p;
    return m;
}
