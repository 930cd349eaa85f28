#pragma once

#include <QString>

// The answers' derived values and the working values of the engine. One object,
// shared by the wizard model, the offer composer and the windows; every run
// starts from these defaults.
struct SelectionState {
  int iCurPage = 0;
  bool bNoObjectPages = false;
  bool bFireProtection = false;
  bool bPageOk = false;
  double dArea = 0.0;
  QString sColorName;
  double dColorExtra = 0.0;
  QString sPUColorName;
  double dPUColorExtra = 0.0;
  bool bSummer = false;
  bool bHeavyRust = false;
  double dUnitPrice = 0.0;
  double dVariantTotal = 0.0;
};
