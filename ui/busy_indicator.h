#pragma once

#include <QEventLoop>
#include <QFutureWatcher>
#include <QString>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <optional>
#include <utility>

class QCloseEvent;

// A small modal window with a moving bar that the user cannot close: while it
// is shown nothing else of the program takes input, but every window repaints.
class BusyIndicator : public QWidget {
  Q_OBJECT
public:
  BusyIndicator(QWidget *parent, const QString &text);

protected:
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
};

// Runs `work` on a worker thread behind a BusyIndicator and waits for it in a
// local event loop, so that the windows keep painting; returns its result on
// the calling thread, or rethrows what it threw there.
template <typename Work> auto RunWhileBusy(QWidget *parent, const QString &text, Work work) -> decltype(work()) {
  using Result = decltype(work());
  struct Outcome {
    std::optional<Result> result;
    std::exception_ptr error;
  };
  BusyIndicator busy(parent, text);
  busy.show();
  QFutureWatcher<Outcome> watcher;
  QEventLoop loop;
  QObject::connect(&watcher, &QFutureWatcher<Outcome>::finished, &loop, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run([work = std::move(work)]() mutable {
    Outcome outcome;
    try {
      outcome.result.emplace(work());
    } catch (...) {
      outcome.error = std::current_exception();
    }
    return outcome;
  }));
  if (!watcher.isFinished())
    loop.exec();
  Outcome outcome = watcher.result();
  if (outcome.error)
    std::rethrow_exception(outcome.error);
  return std::move(*outcome.result);
}
