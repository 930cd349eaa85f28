#pragma once

#include <QLineEdit>
#include <QString>

// The masked phone field: fixed literals, ten required digit positions shown as
// "_" until typed. Its text for the checks and the e-mail holds a blank for
// every digit not yet typed. It remembers its text when it gets the focus, so
// that a changed, incomplete number can be refused and Escape can undo.
class PhoneEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit PhoneEdit(QWidget *parent = nullptr);

  // The mask as the empty field shows it ("+7(___)___-____"); the digits
  // already typed move into the new mask's digit positions in order.
  void setMaskTemplate(const QString &maskTemplate);
  const QString &maskTemplate() const { return m_template; }

  // "+7(916)123-    ": literals, digits, a blank per digit not yet typed.
  QString fieldText() const;
  bool complete() const;
  // Typed into since the field got the focus.
  bool changedSinceFocusIn() const { return m_changed; }
  // The caret onto the first digit position not yet typed.
  void moveCaretToFirstBlank();

protected:
  void focusInEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QString m_template;
  QString m_textOnFocusIn;
  bool m_changed = false;
};

// The Qt input mask for a mask template: "_" a required digit, everything else a literal.
QString InputMaskFor(const QString &maskTemplate);
