// Keyboard shortcuts of menu items and two small keyboard helpers that the
// requesters use as well.
#ifndef XMALWERK1_MENU_TASTATUR_H
#define XMALWERK1_MENU_TASTATUR_H

// A menu callback: receives the chosen item's menu id (0 for a submenu
// item started by its shortcut).
typedef void (*menufunktion)(long);

// The shortcut table: Escape followed by a key runs the item declared with
// that key ("%A" and the key at the very start of its text).
class Amigatast {
public:
    struct Eintrag {
        Eintrag *naechster;
        int taste;  // upper-case character code
        menufunktion funktion;
        long argument;
    };

    int scharf;     // 1 after an Escape, until the next key
    Eintrag *kopf;  // newest entry first, so the last declaration of a key wins

    Amigatast();
    // The shortcut key of a declared item text (upper case), or 0.
    int geta(const char *text);
    void put(int taste, menufunktion funktion, long argument);
    // For the main item just declared in main-grid cell zelle.
    void put(int zelle, long argument);
    // For the submenu item just declared in submenu slot subzelle.
    void subput(int subzelle);
    // Offers a key press; 1 when the key was used and must not reach keyget.
    int doit(unsigned long keysym);
    void benutzen(int keysym);
    // Forgets every entry and a pending Escape: the shortcuts of a menu
    // end with the session that declared it.
    void leeren();
};

extern Amigatast amigatast;

// 1 from the first BackSpace key on (the keyboard sends BackSpace for the
// key left of the cursor), 0 before.
int schlechte_tastatur(unsigned long keysym);
// Back to the keyboard's state at program start.
void tastatur_grundzustand();

// Compares at most n characters of text (leading blanks skipped, upper-cased)
// with name: the difference at the first mismatch, 0 when n characters
// matched or either string ended first.
int strncmpgross(const char *text, const char *name, int n);

#endif
