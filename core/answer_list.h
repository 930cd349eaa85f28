#pragma once

#include <QStringList>

// A page's single-choice list: its items and the selected index. The operations are
// those of a radio group: overwrite in place, append, delete (the selection is kept,
// or clamped to the last item), or replace the whole list (first item selected).
class AnswerList {
public:
  AnswerList() = default;
  explicit AnswerList(QStringList items);

  const QStringList &items() const { return m_items; }
  int count() const { return static_cast<int>(m_items.size()); }
  int selectedIndex() const { return m_selected; } // -1 only when empty
  QString selectedText() const;                    // "" when nothing is selected

  void select(int index); // a user's click; an index outside the list is ignored
  void setItems(const QStringList &items);
  void overwrite(int index, const QString &text);
  void append(const QString &text);
  void removeAt(int index);

private:
  QStringList m_items;
  int m_selected = -1;
};
