#pragma once

#include "frm_about_arm.h"
#include "frm_main.h"
#include "frm_pucolor.h"
#include "frm_zakaz.h"
#include "wizard.h"

// The program's four windows around one wizard, created in their start-up order:
// the main window first, then the reinforcement dialog, the picker and the order
// form (all three hidden, owned with the main window as their parent).
struct TintoraWindows {
  TintoraWindows() { frmMain.setWindows(frmAboutArm, frmPUColor, frmZakaz); }
  TintoraWindows(const TintoraWindows &) = delete;
  TintoraWindows &operator=(const TintoraWindows &) = delete;

  Wizard wizard;
  TfrmMain frmMain{wizard};
  TfrmAboutArm frmAboutArm{&frmMain};
  TfrmPUColor frmPUColor{&frmMain};
  TfrmZakaz frmZakaz{frmMain};
};
