#include "phone_edit.h"

#include "order_lists.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Characters with a meaning of their own in a Qt input mask.
const QString kInputMaskMetaCharacters = QStringLiteral("AaNnXx90DdHhBb#><!{}[]\\;");

} // namespace

QString InputMaskFor(const QString &maskTemplate) {
  QString mask;
  for (const QChar ch : maskTemplate) {
    if (ch == kMaskBlank)
      mask += QLatin1Char('9');
    else if (kInputMaskMetaCharacters.contains(ch) || ch.isDigit())
      mask += QLatin1Char('\\') + QString(ch);
    else
      mask += ch;
  }
  return mask + QLatin1Char(';') + kMaskBlank;
}

PhoneEdit::PhoneEdit(QWidget *parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] { m_changed = true; });
}

void PhoneEdit::setMaskTemplate(const QString &maskTemplate) {
  if (maskTemplate == m_template)
    return;
  const QString slotDigits = DigitSlots(displayText(), m_template);
  m_template = maskTemplate;
  setInputMask(InputMaskFor(maskTemplate));
  setText(LayDigitSlots(maskTemplate, slotDigits));
}

QString PhoneEdit::fieldText() const {
  return FieldTextOf(displayText());
}

bool PhoneEdit::complete() const {
  return !displayText().contains(kMaskBlank);
}

void PhoneEdit::moveCaretToFirstBlank() {
  const qsizetype blank = displayText().indexOf(kMaskBlank);
  setCursorPosition(static_cast<int>(blank < 0 ? displayText().size() : blank));
}

void PhoneEdit::focusInEvent(QFocusEvent *event) {
  // Coming back from another window is not entering the field anew.
  const bool windowSwitch = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
  if (!windowSwitch) {
    m_textOnFocusIn = displayText();
    m_changed = false;
  }
  QLineEdit::focusInEvent(event);
}

void PhoneEdit::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_changed) {
    setText(m_textOnFocusIn);
    m_changed = false;
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}
