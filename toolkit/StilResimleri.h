// SPDX-License-Identifier: GPL-3.0-or-later
// The style's pictures, ready before the first window is drawn.
#pragma once

// The style reads its group-box frame at the first frame it draws, unless the picture is in
// Qt's pixmap cache. The style's own read would wake every image plugin installed, as Qt asks
// each whether it reads the picture (about a megabyte for TIFF, MNG, WebP and the rest), and the
// PNG decoder too. The frame is put in the cache from the game's raw copy of the same picture,
// made at build time. Called once before the first window is drawn.
void StilResimleriniHazırla();
