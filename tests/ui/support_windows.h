#pragma once

#include "dialogs.h"
#include "offer_view.h"
#include "page_control.h"
#include "tintora_windows.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QAbstractButton;
class QTextDocument;
class QWidget;
class RadioGroup;

// A fresh set of windows around a fresh wizard, with the main window shown and
// every message box, file dialog and browser call recorded instead of shown.
struct ShownWindows {
  ShownWindows();
  ~ShownWindows();

  Dialogs::Recorder dialogs;
  std::unique_ptr<TintoraWindows> windows;

  TfrmMain &main() { return windows->frmMain; }
  const Wizard &wizard() { return windows->wizard; }

  // Clicks "Далее" (or "Сохранить") `presses` times.
  void next(int presses = 1);
  void prev();
  // Clicks item `index` (0-based) of a list on the page that is shown.
  void choose(RadioGroup *group, int index);
  // Replaces the area field's text the way a user would: select all, then type.
  void typeArea(const QString &text);
};

// A Qt Test object whose every test function runs on fresh windows, made before it
// (init) and closed after it (cleanup); a test that needs more calls these from its own.
class WindowsTest : public QObject {
  Q_OBJECT

protected slots:
  void init() { m_ui = std::make_unique<ShownWindows>(); }
  void cleanup() { m_ui.reset(); }

protected:
  TfrmMain &w() { return m_ui->main(); }

  std::unique_ptr<ShownWindows> m_ui;
};

void Click(QAbstractButton *button);
// Runs `action` on the modal window as soon as one is open (call it before the click
// that opens the window; the click returns once `action` has closed it).
void WhenModalOpens(std::function<void(QWidget *modal)> action);

QStringList BlockTexts(const QTextDocument &document);
QStringList OfferLines(const OfferDocument &offer);
// The first line at or after `from` that starts with `prefix`; -1 when there is none.
int FindLine(const OfferDocument &offer, const QString &prefix, int from = 0);
// The first line at or after `from` that contains `text`; -1 when there is none.
int FindLineContaining(const OfferDocument &offer, const QString &text, int from = 0);
// A point inside line `line` of the offer view (scrolled into sight first), in viewport coordinates.
QPoint PointOnLine(TfrmMain &frmMain, int line);

inline const QChar kProductLineMarker(0x0001);
