#include "answer_list.h"

#include <utility>

AnswerList::AnswerList(QStringList items) : m_items(std::move(items)), m_selected(m_items.isEmpty() ? -1 : 0) {}

QString AnswerList::selectedText() const {
  return m_selected >= 0 ? m_items.at(m_selected) : QString();
}

void AnswerList::select(int index) {
  if (index >= 0 && index < count())
    m_selected = index;
}

void AnswerList::setItems(const QStringList &items) {
  m_items = items;
  m_selected = m_items.isEmpty() ? -1 : 0;
}

void AnswerList::overwrite(int index, const QString &text) {
  if (index >= 0 && index < count())
    m_items[index] = text;
}

void AnswerList::append(const QString &text) {
  m_items.append(text);
  if (m_selected < 0)
    m_selected = 0; // a non-empty list always has a selection
}

void AnswerList::removeAt(int index) {
  if (index < 0 || index >= count())
    return;
  m_items.removeAt(index);
  // The selected position stays; a list that became too short selects its last item.
  if (m_selected >= count())
    m_selected = count() - 1;
}
