// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a message box shows of its own.
#include "resources/StandartDugmeler.h"

QString EvetDüğmesiMetni() { return QStringLiteral(u"&Evet"); }
QString HayırDüğmesiMetni() { return QStringLiteral(u"&Hayır"); }
QString TamamDüğmesiMetni() { return QStringLiteral(u"Tamam"); }
QString UygulamaBaşlığı() { return QStringLiteral(u"Mozeta"); }
