// Standard button texts.
#include "resources/StandartDugmeler.h"

QString EvetDüğmesiMetni() { return QStringLiteral(u"&Evet"); }
QString HayırDüğmesiMetni() { return QStringLiteral(u"&Hayır"); }
QString TamamDüğmesiMetni() { return QStringLiteral(u"Tamam"); }
