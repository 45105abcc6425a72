// The viewer's state: the eclipse searched for, the command line that set
// it, and what the menus ask of the main loop.
#ifndef UMBRIX_BETRACHTER_ZUSTAND_H
#define UMBRIX_BETRACHTER_ZUSTAND_H

extern int jahr;   // year searched from; after each read, the eclipse's
extern int monat;  // month searched from (0: the year's first); after each read, the eclipse's
extern int alle;   // 1: after an eclipse, on to the next by itself
extern int exitflag;  // set by Exit: every loop ends
extern unsigned char argflag[128];  // one flag per character of the option arguments

// What a menu command asks of the main loop, which takes it at its next
// frame: another eclipse.
struct Anfrage {
    enum Art {
        keine,
        ab_monat,  // the first eclipse at or after jahr/monat, alle as given
        naechste,  // the eclipse after the one shown
        vorige,    // the one before it
        satz       // the record nummer of the file (0: its first), shown alone
    };
    Art art = keine;
    int jahr = 0, monat = 0, alle = 0;
    int nummer = -1;
};
extern Anfrage anfrage;

// Marks every character of an option argument in argflag.
void setargflags(char *text);

// Reads the command line into jahr, monat, alle and aktuellerpfad (and sets
// PWD for a start by absolute path). Returns 1 when the usage text is due,
// 2 after the line on standard error that refuses a year or month.
int kommandozeile_auswerten(int argc, char **argv);

#endif
