#include "area_edit.h"

#include "area_field.h"

#include <QKeyEvent>
#include <array>

namespace {

// Editing keys that type no character and keep working.
bool IsEditingKey(const QKeyEvent &event) {
  switch (event.key()) {
  case Qt::Key_Backspace:
  case Qt::Key_Delete:
  case Qt::Key_Left:
  case Qt::Key_Right:
  case Qt::Key_Home:
  case Qt::Key_End:
    return true;
  default:
    return false;
  }
}

bool IsClipboardShortcut(const QKeyEvent &event) {
  static const std::array<QKeySequence::StandardKey, 6> shortcuts{QKeySequence::Copy,  QKeySequence::Cut,
                                                                  QKeySequence::Paste, QKeySequence::Undo,
                                                                  QKeySequence::Redo,  QKeySequence::SelectAll};
  for (const QKeySequence::StandardKey key : shortcuts) {
    if (event.matches(key))
      return true;
  }
  return false;
}

bool IsAcceptedCharacter(const QKeyEvent &event) {
  const QString text = event.text();
  return text.size() == 1 && AreaKeyAccepted(text.at(0));
}

} // namespace

AreaEdit::AreaEdit(QWidget *parent) : QLineEdit(parent) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(this, &QLineEdit::textEdited, this, &AreaEdit::keepDigitsAndCommas);
}

void AreaEdit::keyPressEvent(QKeyEvent *event) {
  if (IsClipboardShortcut(*event)) {
    event->accept();
    return;
  }
  if (IsEditingKey(*event) || IsAcceptedCharacter(*event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Everything else typed (letters, '.', Enter, Escape) is dropped; Tab moves on before this.
  event->accept();
}

// Typing cannot bring in anything else, so whatever does came from a paste or a drop.
void AreaEdit::keepDigitsAndCommas() {
  const QString current = text();
  const QString kept = FilterAreaText(current);
  if (kept == current)
    return;
  const int caret = static_cast<int>(FilterAreaText(current.left(cursorPosition())).size());
  setText(kept);
  setCursorPosition(caret);
}
