#include "screenshot_tour.h"
#include "tintora_windows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// TINTORA_QUIT_AFTER_FIRST_PAINT=1: quit once the main window has painted, to time start-up.
class QuitAfterFirstPaint : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }
};

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tintora"));

  TintoraWindows windows;
  QuitAfterFirstPaint quitAfterFirstPaint;
  if (qEnvironmentVariableIntValue("TINTORA_QUIT_AFTER_FIRST_PAINT") == 1)
    windows.frmMain.installEventFilter(&quitAfterFirstPaint);
  windows.frmMain.show();

  const QString screenshots = qEnvironmentVariable("TINTORA_SCREENSHOTS");
  if (!screenshots.isEmpty())
    StartScreenshotTour(windows, screenshots);
  return QApplication::exec();
}
