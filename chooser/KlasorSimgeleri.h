// SPDX-License-Identifier: GPL-3.0-or-later
// The folder list's two pictures: an open folder (the current folder and those above it) and a
// closed one (its sub-folders).
#pragma once

#include <QIcon>

// The desktop's own folder icons when its theme has them, else the program's drawn ones.
QIcon AçıkKlasörSimgesi();
QIcon KapalıKlasörSimgesi();
