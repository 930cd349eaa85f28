#include "selection_key.h"

QString SelectionKey(const QString &text, int start, int count) {
  const qsizetype from = start - 1;
  if (from < 0 || from >= text.size() || count <= 0)
    return QString();
  return text.mid(from, count).toUpper();
}
