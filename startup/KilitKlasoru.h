// SPDX-License-Identifier: GPL-3.0-or-later
// Where the single-instance lock may lie: only in a folder that no other user can enter or change.
#pragma once

#include <QString>

// True when `klasör` is an absolute path naming a folder itself (not a link to one) that belongs
// to this user and has mode 0700: nobody else can put a file, or a link, where the lock goes.
bool KendiKlasörüMü(const QString &klasör);

// The runtime folder (XDG_RUNTIME_DIR) when it is the user's own in that sense; else the game's
// folder under the user's cache folder, made with mode 0700 when it is not there; empty when
// neither can be had. A folder that is there but not private is never used, nor changed.
QString KilitKlasörü();
