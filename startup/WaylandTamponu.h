// SPDX-License-Identifier: GPL-3.0-or-later
// The kind of drawing buffer the game asks Qt for on Wayland.
#pragma once

// Before the application object is made. The game draws with the processor only: on a Wayland
// display whose compositor draws the windows' frames it asks for shared-memory buffers, so that
// Qt loads no EGL driver for it. A QT_WAYLAND_CLIENT_BUFFER_INTEGRATION of the player's own
// stands.
void WaylandTamponunuSeç();

// Takes the request back once the main window is on the screen: Qt chose the buffers of every
// window when it made the first, and the programs the game starts (the about box's links) are
// left to choose their own.
void WaylandTamponunuBırak();
