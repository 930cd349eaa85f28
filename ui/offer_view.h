#pragma once

#include <QCursor>
#include <QTextEdit>

class OfferDocument;
class QTextCharFormat;
class QTextCursor;

// The read-only offer view with a caret. Each document line becomes one paragraph,
// so paragraph numbers are the document's line numbers however the view wraps.
// It reports the pointer entering, leaving and moving, and clicks (after the caret
// has moved to the click).
class OfferView : public QTextEdit {
  Q_OBJECT
public:
  explicit OfferView(QWidget *parent = nullptr);

  // Shows `document` and leaves the caret at its end, on the empty paragraph after
  // the last line (as after appending the last line with its line break).
  void showDocument(const OfferDocument &document);
  // The line that holds the caret.
  int caretLine() const;
  // The hand pointer over the text, or the view's own pointer.
  void setHandCursor(bool hand);

signals:
  void mouseEntered();
  void mouseLeft();
  void mouseMoved();
  void clicked();
  void doubleClicked();

protected:
  bool viewportEvent(QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  static void insertLineText(QTextCursor &cursor, const QString &text, const QTextCharFormat &chars);

  QCursor m_defaultCursor;
  bool m_scrollToTopOnShow = false;
};
