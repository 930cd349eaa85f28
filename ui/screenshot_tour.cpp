#include "screenshot_tour.h"

#include "radio_group.h"
#include "tintora_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Step = std::function<void()>;

// Runs the steps one per turn of the event loop, so that every page is laid out
// and painted before it is grabbed.
void RunSteps(std::shared_ptr<std::vector<Step>> steps, std::size_t next = 0) {
  if (next >= steps->size()) {
    QCoreApplication::quit();
    return;
  }
  (*steps)[next]();
  QTimer::singleShot(0, [steps, next] { RunSteps(steps, next + 1); });
}

} // namespace

void StartScreenshotTour(TintoraWindows &windows, const QString &directory) {
  QDir().mkpath(directory);
  TintoraWindows *w = &windows;
  TfrmMain *frmMain = &windows.frmMain;
  auto grab = [directory](QWidget *widget, const QString &name) {
    widget->grab().save(QDir(directory).filePath(name + QStringLiteral(".png")));
  };
  auto next = [frmMain] { frmMain->bbNext->click(); };
  auto prev = [frmMain] { frmMain->bbPrev->click(); };
  auto steps = std::make_shared<std::vector<Step>>();
  auto add = [&steps](Step step) { steps->push_back(std::move(step)); };
  auto repeat = [&add](int times, const Step &step) {
    for (int i = 0; i < times; ++i)
      add(step);
  };
  // Shows a window for one turn, grabs it and hides it again.
  auto shootWindow = [&add, grab](QWidget *window, const QString &name) {
    add([window] { window->show(); });
    add([grab, window, name] {
      grab(window, name);
      window->hide();
    });
  };

  // The road of one order: waterproofing, roof, concrete, summer, 100, the default colour.
  const QStringList pageNames{QStringLiteral("page0-work-type"), QStringLiteral("page1-object"),
                              QStringLiteral("page2-material"),  QStringLiteral("page3-temperature"),
                              QStringLiteral("page4-area"),      QStringLiteral("page5-colour"),
                              QStringLiteral("page6-offer")};
  for (int page = 0; page < pageNames.size(); ++page) {
    add([grab, frmMain, name = pageNames.at(page)] { grab(frmMain, name); });
    if (page + 1 < pageNames.size())
      add(next);
  }
  add([frmMain] { frmMain->lblHint->show(); });
  add([grab, frmMain] { grab(frmMain, QStringLiteral("page6-offer-hint")); });
  shootWindow(&w->frmAboutArm, QStringLiteral("reinforcement-dialog"));
  shootWindow(&w->frmZakaz, QStringLiteral("order-form"));

  // A polyurethane floor coating: floor, concrete, and the picker button under the offer.
  repeat(6, prev);
  add([frmMain] { frmMain->rgTipRabot->button(1)->click(); });
  repeat(6, next);
  add([grab, frmMain] { grab(frmMain, QStringLiteral("page6-offer-polyurethane")); });
  shootWindow(&w->frmPUColor, QStringLiteral("polyurethane-picker"));
  // Page 3 in its roof-quality form: back to the start, roof on profiled metal sheets.
  repeat(6, prev);
  add([frmMain] { frmMain->rgTipRabot->button(0)->click(); });
  repeat(2, next);
  add([frmMain] { frmMain->rgMaterial->button(4)->click(); });
  add(next);
  add([grab, frmMain] { grab(frmMain, QStringLiteral("page3-roof-quality")); });

  QTimer::singleShot(0, [steps] { RunSteps(steps); });
}
