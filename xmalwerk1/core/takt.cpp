// Frame pacing: an animation serves pending input and sleeps one tick of
// 20 ms between two frames.
#include "intern.h"
#include "../menu/menu.h"

#include <unistd.h>

int Delay(int n)
{
    // The picture is made complete before a long pause.
    if (n > 11 && malwerk_initalflag) mal_flush();
    // Far beyond any sensible pause the tick count would overflow.
    const int hoechstens = 200000;
    if (n > hoechstens) n = hoechstens;
    useconds_t mikro = n <= 1 ? 20000u : static_cast<useconds_t>(n) * 20000u;
    return usleep(mikro);
}

int waitTOF()
{
    if (menubalkenhoehe)
        waitmenu(0);
    else
        maustasten();
    return Delay(1);
}

int waitBOF()
{
    return waitTOF();
}
