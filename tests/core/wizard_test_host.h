#pragma once

#include "wizard.h"

#include <QStringList>

// Records what the wizard asks of its window.
struct RecordingHost : WizardHost {
  QStringList messages;
  int saves = 0;
  int compositions = 0;

  void showMessage(const QString &text) override { messages.append(text); }
  void saveRequested() override { ++saves; }
  void offerComposed() override { ++compositions; }
};
