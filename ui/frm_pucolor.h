#pragma once

#include "palette.h"

#include <QDialog>
#include <array>

class ClickableLabel;
class QPushButton;

// The polyurethane colour picker: a borderless modal window of 13 swatches with
// their names. A click on a swatch or a name picks that entry and closes it.
class TfrmPUColor : public QDialog {
  Q_OBJECT
public:
  explicit TfrmPUColor(QWidget *parent = nullptr);

  // Shows the picker modally; the entry picked (1..13), or 0 when it was closed
  // any other way ("Отмена", Escape).
  int choose();
  int pickedEntry() const { return m_picked; }

  std::array<ClickableLabel *, kPUColourCount> imgCol{};
  std::array<ClickableLabel *, kPUColourCount> lblCol{};
  QPushButton *bbCancel;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void imgColClick(const QObject *sender);
  void bbCancelClick();

  int m_picked = 0;
};
