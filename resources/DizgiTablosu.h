// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: every text the player sees, addressed by its numeric identifier.
#pragma once

#include <QString>

// The text with identifier `id`; throws ÇalışmaHatası 326 when the table has no such entry.
QString LoadResString(int id);
