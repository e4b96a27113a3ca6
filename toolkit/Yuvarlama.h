// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding to whole numbers as the program does it everywhere: halves to the even neighbour.
#pragma once

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4); a value beyond int, or not
// a number, is ÇalışmaHatası 6.
int EnYakın(double değer);
