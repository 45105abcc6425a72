// A program outside the project: only the umbrella header, the static
// library, -lX11 and -lpng. It opens a window when given a display name, draws a
// picture box and ends.
#include "xmalwerk1/xmalwerk1.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 2) {
        printf("Version %.2f\n", get_malwerk_version());
        return 0;
    }
    setsize(320, 200, 24);
    qinital(1, 0.0, 0.0, 1.0, 1.0);
    int b, h, t, k;
    getsize(&b, &h, &t, &k);
    char text[16];
    strcpy(text, "x");
    printf("%d %d %d\n", b, h, term_exit());
    return 0;
}
