// The order form's checks on leaving a field. Qt cannot refuse a focus change
// once it is under way, so the form holds back the Tab key and the click that
// would start one while the field that has the focus fails its check.
#include "frm_zakaz.h"

#include "dialogs.h"
#include "order_form_checks.h"
#include "phone_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

namespace {

const QString kInvalidPhoneInput = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

// The widget that finally takes the focus when `widget` is given it.
QWidget *FocusTarget(QWidget *widget) {
  while (widget && widget->focusProxy())
    widget = widget->focusProxy();
  return widget;
}

} // namespace

bool TfrmZakaz::checkOnLeaving(QWidget *field, bool ok, const QString &message) {
  if (!ok) {
    Dialogs::showMessage(nullptr, message); // centred on the screen
    field->setFocus(Qt::OtherFocusReason);
  }
  return ok;
}

bool TfrmZakaz::lbledNameExit() {
  return checkOnLeaving(lbledName, NameFieldOk(lbledName->text()), kEmptyFieldMessage);
}

bool TfrmZakaz::lbledEMailExit() {
  return checkOnLeaving(lbledEMail, EMailFieldOk(lbledEMail->text()), kBadEMailMessage);
}

bool TfrmZakaz::medTelExit() {
  return checkOnLeaving(medTel, PhoneFieldOk(medTel->fieldText()), kBadPhoneMessage);
}

// The masked field's own check, before medTelExit: a number typed into but not
// finished keeps the focus.
bool TfrmZakaz::refuseIncompletePhone() {
  if (!medTel->changedSinceFocusIn() || medTel->complete())
    return false;
  QApplication::beep();
  medTel->moveCaretToFirstBlank();
  Dialogs::showMessage(this, kInvalidPhoneInput);
  medTel->setFocus(Qt::OtherFocusReason);
  return true;
}

bool TfrmZakaz::mayLeaveFocusedField() {
  QWidget *current = focusWidget();
  if (current == lbledName)
    return lbledNameExit();
  if (current == lbledEMail)
    return lbledEMailExit();
  if (current == medTel)
    return !refuseIncompletePhone() && medTelExit();
  return true;
}

bool TfrmZakaz::pressMovesFocus(const QPoint &pos) const {
  QWidget *current = focusWidget();
  if (!current)
    return false;
  // The widget a click gives the focus to: the innermost one under the
  // pointer that takes the focus by clicking.
  for (QWidget *widget = childAt(pos); widget && widget != this; widget = widget->parentWidget()) {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus)
      return FocusTarget(widget) != current;
  }
  return false;
}

// Tab and Shift+Tab: the focus moves only when the field may be left.
bool TfrmZakaz::focusNextPrevChild(bool next) {
  if (!mayLeaveFocusedField())
    return true;
  return QDialog::focusNextPrevChild(next);
}

// A click that would take the focus out of a field is held back at the window,
// before any widget sees it, when the field may not be left.
bool TfrmZakaz::eventFilter(QObject *watched, QEvent *event) {
  if (watched != windowHandle())
    return QDialog::eventFilter(watched, event);
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick: {
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    m_swallowRelease = pressMovesFocus(mouse->position().toPoint()) && !mayLeaveFocusedField();
    return m_swallowRelease;
  }
  case QEvent::MouseButtonRelease:
    if (m_swallowRelease) {
      m_swallowRelease = false;
      return true;
    }
    break;
  default:
    break;
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmZakaz::showEvent(QShowEvent *event) {
  if (!m_windowWatched && windowHandle()) {
    windowHandle()->installEventFilter(this);
    m_windowWatched = true;
  }
  QDialog::showEvent(event);
}

// The form has no cancel button: Escape does not close it.
void TfrmZakaz::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
