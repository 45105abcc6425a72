// The viewer's window for the benchmarks: on a private Xvfb, set up as the
// program sets itself up on a screen that leaves room for the full 1280 x
// 1024 drawing area, with the data files beside the program.
#ifndef UMBRIX_BENCH_PROGRAMMFENSTER_H
#define UMBRIX_BENCH_PROGRAMMFENSTER_H

#include "hilfe/xvfb.h"
#include "betrachter/datendatei.h"
#include "xmalwerk1/xmalwerk1.h"

class Programmfenster {
public:
    Programmfenster()
    {
        aktuellerpfad = const_cast<char *>(UMBRIX_BUILD_DIR);
        server_.als_display_setzen();
        setsize(1280, 1024, 8);
        setmenu(2, "File", "Hilfe");
        qinital(1, -1.875, -1.5, 1.875, 1.5);
        setcolor(4, 100, 150, 255);
    }
    ~Programmfenster()
    {
        term_exit();
        aktuellerpfad = nullptr;
    }
    Programmfenster(const Programmfenster &) = delete;
    Programmfenster &operator=(const Programmfenster &) = delete;

private:
    testhilfe::XvfbServer server_{1600, 1200, 24};
};

#endif
