// SPDX-License-Identifier: GPL-3.0-or-later
// The executable's entry.
#include "startup/BaslangicModulu.h"

int main(int argc, char **argv) { return Main(argc, argv); }
