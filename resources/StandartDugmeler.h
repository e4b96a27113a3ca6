// Turkish texts of the standard message-box buttons, for when Qt's own catalogue is missing.
#pragma once

#include <QString>

QString EvetDüğmesiMetni();
QString HayırDüğmesiMetni();
QString TamamDüğmesiMetni();
