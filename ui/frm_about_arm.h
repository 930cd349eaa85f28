#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

// The reinforcement article with a link to its full version on the web.
class TfrmAboutArm : public QDialog {
  Q_OBJECT
public:
  explicit TfrmAboutArm(QWidget *parent = nullptr);

  QTextEdit *reDop;
  QPushButton *spbtnGO;

private:
  void spbtnGOClick();
};
