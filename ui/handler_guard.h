#pragma once

#include "dialogs.h"

#include <QString>
#include <exception>
#include <utility>

class QWidget;

// Runs an event handler so that no exception leaves it: Qt's event loop cannot
// carry one, so the error's own text is shown in a message box instead.
template <typename Handler> void RunGuarded(QWidget *window, Handler &&handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception &error) {
    Dialogs::showMessage(window, QString::fromLocal8Bit(error.what()));
  } catch (...) {
    Dialogs::showMessage(window, QStringLiteral("Неизвестная ошибка."));
  }
}
