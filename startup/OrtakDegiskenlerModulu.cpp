// SPDX-License-Identifier: GPL-3.0-or-later
// The shared values.
#include "startup/OrtakDegiskenlerModulu.h"

QString ProgramKlasörü;
QString PencereBaşlığı;
QString UygulamaAdı;
bool NTSistemi = false;
QString FotoğrafYolu;
