#pragma once

#include <QLineEdit>

// The area field: a typed character passes only when it is a digit or the decimal
// comma. Backspace and Delete edit as usual; Enter, Escape and the clipboard
// shortcuts are swallowed. Text that arrives otherwise (pasted from the context
// menu or the mouse selection, dropped) keeps only its digits and commas.
class AreaEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit AreaEdit(QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void keepDigitsAndCommas();
};
