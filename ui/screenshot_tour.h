#pragma once

#include <QString>

struct TintoraWindows;

// Walks the windows through the wizard and saves a PNG of every page, of the
// picker, the reinforcement dialog and the order form into `directory`, then
// quits the event loop. Runs once the event loop has started.
void StartScreenshotTour(TintoraWindows &windows, const QString &directory);
