// What the window manager and desktop tools learn about the library's
// windows besides WM_NAME: the program's class, the title in UTF-8, the
// process and its host, and the wish for the whole screen.
#include "intern.h"

#include <X11/Xatom.h>
#include <errno.h>  // program_invocation_short_name
#include <unistd.h>
#include <cctype>
#include <cstring>

namespace {

// Length of the UTF-8 sequence that starts at s, or 0 when s does not
// start a well-formed one (no overlong forms, no surrogates, at most U+10FFFF).
int utf8_folge(const unsigned char *s)
{
    const unsigned c = s[0];
    int n;
    unsigned wert;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        wert = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        wert = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        wert = c & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < n; ++i) {
        if ((s[i] & 0xC0) != 0x80) return 0;  // also stops at the terminator
        wert = (wert << 6) | (s[i] & 0x3F);
    }
    if ((n == 3 && (wert < 0x800 || (wert >= 0xD800 && wert <= 0xDFFF))) || (n == 4 && (wert < 0x10000 || wert > 0x10FFFF)))
        return 0;
    return n;
}

bool ist_utf8(const char *text)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    while (*s) {
        int n = utf8_folge(s);
        if (n == 0) return false;
        s += n;
    }
    return true;
}

Atom atom(Display *d, const char *name)
{
    return XInternAtom(d, name, False);
}

}  // namespace

std::string titel_als_utf8(const char *titel)
{
    if (!titel) return std::string();
    if (ist_utf8(titel)) return titel;
    // Otherwise the bytes are ISO 8859-1, as WM_NAME and the library's
    // fonts take them: each one is the code point of the same number.
    std::string u;
    for (const auto *s = reinterpret_cast<const unsigned char *>(titel); *s; ++s) {
        if (*s < 0x80) {
            u += static_cast<char>(*s);
        } else {
            u += static_cast<char>(0xC0 | (*s >> 6));
            u += static_cast<char>(0x80 | (*s & 0x3F));
        }
    }
    return u;
}

void programmklasse(std::string *name, std::string *klasse)
{
    std::string n = program_invocation_short_name ? program_invocation_short_name : "";
    if (n.empty()) {
        // The kernel's name of the process, cut to 15 characters.
        if (FILE *f = fopen("/proc/self/comm", "r")) {
            char zeile[64] = "";
            if (fgets(zeile, sizeof zeile, f)) n = std::string(zeile, strcspn(zeile, "\n"));
            fclose(f);
        }
    }
    if (n.empty()) n = "xmalwerk1";
    *name = n;
    *klasse = n;
    (*klasse)[0] = static_cast<char>(toupper(static_cast<unsigned char>(n[0])));
}

void fensternamen_setzen(Display *d, Window w, const char *titel)
{
    const char *t = titel ? titel : "";
    XChangeProperty(d, w, XA_WM_NAME, XA_STRING, 8, PropModeReplace, reinterpret_cast<const unsigned char *>(t),
                    static_cast<int>(strlen(t)));
    const std::string u = titel_als_utf8(t);
    XChangeProperty(d, w, atom(d, "_NET_WM_NAME"), atom(d, "UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(u.data()), static_cast<int>(u.size()));
}

void fenstertitel_setzen(const char *titel)
{
    if (dpy && win10) fensternamen_setzen(dpy, win10, titel);
}

void fensterkennung_setzen(Display *d, Window w)
{
    std::string name, klasse;
    programmklasse(&name, &klasse);
    XClassHint hinweis;
    hinweis.res_name = &name[0];
    hinweis.res_class = &klasse[0];
    XSetClassHint(d, w, &hinweis);

    // The process id is only meaningful together with the host it runs on.
    char rechner[256] = "";
    if (gethostname(rechner, sizeof rechner - 1) == 0 && rechner[0]) {
        char *liste[] = {rechner};
        XTextProperty text;
        if (XStringListToTextProperty(liste, 1, &text)) {
            XSetWMClientMachine(d, w, &text);
            XFree(text.value);
        }
        long pid = static_cast<long>(getpid());
        XChangeProperty(d, w, atom(d, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&pid), 1);
    }
}

void vollbild_anfordern(Display *d, Window w)
{
    // Read by the window manager when the window is mapped.
    Atom zustand = atom(d, "_NET_WM_STATE_FULLSCREEN");
    XChangeProperty(d, w, atom(d, "_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char *>(&zustand), 1);
}
