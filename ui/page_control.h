#pragma once

#include <QTabWidget>

// A tab widget whose tabs are only as wide as their captions need, so that the
// seven wizard pages' tabs fit side by side on the fixed-width window.
class PageControl : public QTabWidget {
  Q_OBJECT
public:
  explicit PageControl(QWidget *parent = nullptr);
};
