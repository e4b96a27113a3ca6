// SPDX-License-Identifier: GPL-3.0-or-later
// The executable's entry.
#include "startup/BaslangicModulu.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char **argv) {
#ifdef __GLIBC__
    // The photo and its scaled copies are the program's only large blocks, and most of them live
    // briefly. With the threshold fixed each gets a mapping of its own that goes back to the
    // system when it is freed; glibc would otherwise raise the threshold at the first such free
    // and put the next pictures in the heap, whose freed pages stay with the process.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // The worker threads (the photo's loader, the hint's solver, Qt's scaling) allocate little
    // besides such blocks: one heap serves them all, where an arena of their own each would keep
    // its pages (0.1 MiB at start-up, with three of them running).
    mallopt(M_ARENA_MAX, 1);
#endif
    return Main(argc, argv);
}
