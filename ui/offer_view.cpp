#include "offer_view.h"

#include "offer_document.h"
#include "ui_fonts.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

// Every priced line starts with this marker; it stays in the text but is not drawn.
const QChar kProductLineMarker(0x0001);

QTextCharFormat CharFormatOf(const LineFormat &format) {
  QTextCharFormat chars;
  // The offer names Windows fonts; the view draws them with the windows' own family.
  chars.setFont(UiFonts::points(format.size, format.bold));
  chars.setForeground(QColor::fromRgb(static_cast<QRgb>(format.color)));
  return chars;
}

} // namespace

OfferView::OfferView(QWidget *parent) : QTextEdit(parent) {
  setReadOnly(true);
  // Read-only, yet a click places a visible caret and the keyboard moves it.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setCursorWidth(1);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setUndoRedoEnabled(false);
  setMouseTracking(true);
  document()->setDefaultFont(UiFonts::points(8));
  document()->setDocumentMargin(2);
  m_defaultCursor = viewport()->cursor();
}

void OfferView::showDocument(const OfferDocument &offer) {
  clear();
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  bool first = true;
  for (const OfferLine &line : offer.lines()) {
    const QTextCharFormat chars = CharFormatOf(line.format);
    if (!first)
      cursor.insertBlock(QTextBlockFormat(), chars);
    cursor.setBlockCharFormat(chars);
    insertLineText(cursor, line.text, chars);
    first = false;
  }
  // The line break after the last line leaves an empty paragraph where the caret stands.
  if (!first)
    cursor.insertBlock(QTextBlockFormat(), cursor.charFormat());
  cursor.endEditBlock();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  // The caret waits at the end, but the reader starts at the top (also when the
  // view is shown later and scrolls to its caret then).
  verticalScrollBar()->setValue(0);
  m_scrollToTopOnShow = !isVisible();
}

void OfferView::showEvent(QShowEvent *event) {
  QTextEdit::showEvent(event);
  if (m_scrollToTopOnShow) {
    m_scrollToTopOnShow = false;
    verticalScrollBar()->setValue(0);
  }
}

void OfferView::insertLineText(QTextCursor &cursor, const QString &text, const QTextCharFormat &chars) {
  if (!text.startsWith(kProductLineMarker)) {
    cursor.insertText(text, chars);
    return;
  }
  QTextCharFormat hidden = chars;
  hidden.setForeground(Qt::transparent);
  cursor.insertText(text.left(1), hidden);
  cursor.insertText(text.mid(1), chars);
}

int OfferView::caretLine() const {
  return textCursor().blockNumber();
}

void OfferView::setHandCursor(bool hand) {
  viewport()->setCursor(hand ? QCursor(Qt::PointingHandCursor) : m_defaultCursor);
}

bool OfferView::viewportEvent(QEvent *event) {
  if (event->type() == QEvent::Enter)
    emit mouseEntered();
  else if (event->type() == QEvent::Leave)
    emit mouseLeft();
  return QTextEdit::viewportEvent(event);
}

void OfferView::mouseMoveEvent(QMouseEvent *event) {
  QTextEdit::mouseMoveEvent(event);
  emit mouseMoved();
}

void OfferView::mouseReleaseEvent(QMouseEvent *event) {
  QTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton)
    emit clicked();
}

void OfferView::mouseDoubleClickEvent(QMouseEvent *event) {
  QTextEdit::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton)
    emit doubleClicked();
}
