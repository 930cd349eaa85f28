#pragma once

#include <QLabel>

// A label that reports a left click, for swatches and captions that act as buttons.
class ClickableLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent *event) override;
};
