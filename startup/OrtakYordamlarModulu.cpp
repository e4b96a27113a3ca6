// Shared routines (stub: to be written).
#include "startup/OrtakYordamlarModulu.h"

#include <QFileInfo>

void HataRaporu(const ÇalışmaHatası &) {}
QString HataRaporuMetni(const ÇalışmaHatası &) { return {}; }
void MesajıOrtala() {}
void FormuYerelleştir(QWidget *) {}
bool YolVarMı(const QString &yol) { return !yol.isEmpty() && QFileInfo::exists(yol); }
