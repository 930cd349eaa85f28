#include "radio_group.h"

#include "answer_list.h"
#include "clickable_label.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(ItemText mode, QWidget *parent)
    : QGroupBox(parent), m_mode(mode), m_layout(new QVBoxLayout(this)), m_buttons(new QButtonGroup(this)) {
  m_layout->setContentsMargins(8, 2, 8, 2);
  m_layout->setSpacing(0);
  connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

RadioGroup::Row RadioGroup::makeRow(int index) {
  Row row{nullptr, nullptr, nullptr};
  if (m_mode == ItemText::SingleLine) {
    row.button = new QRadioButton(this);
    row.widget = row.button;
  } else {
    // A radio button cannot wrap its caption, so a wrapping label stands beside it.
    row.widget = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row.widget);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    row.button = new QRadioButton(row.widget);
    row.label = new ClickableLabel(row.widget);
    row.label->setWordWrap(true);
    row.label->setTextFormat(Qt::PlainText);
    rowLayout->addWidget(row.button, 0, Qt::AlignVCenter);
    rowLayout->addWidget(row.label, 1, Qt::AlignVCenter);
    connect(row.label, &ClickableLabel::clicked, row.button, &QRadioButton::click);
  }
  m_buttons->addButton(row.button, index);
  m_layout->addWidget(row.widget, 1);
  return row;
}

void RadioGroup::ensureRows(int count) {
  while (static_cast<int>(m_rows.size()) < count)
    m_rows.push_back(makeRow(static_cast<int>(m_rows.size())));
  for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
    m_rows[static_cast<std::size_t>(i)].widget->setVisible(i < count);
  m_count = count;
}

void RadioGroup::setItemText(const Row &row, const QString &text) {
  if (row.label)
    row.label->setText(text);
  else
    row.button->setText(text);
}

void RadioGroup::mirror(const AnswerList &list) {
  ensureRows(list.count());
  for (int i = 0; i < m_count; ++i)
    setItemText(m_rows[static_cast<std::size_t>(i)], list.items().at(i));
  const int selected = list.selectedIndex();
  if (selected >= 0 && selected < m_count) {
    button(selected)->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last checked button.
  m_buttons->setExclusive(false);
  for (const Row &row : m_rows)
    row.button->setChecked(false);
  m_buttons->setExclusive(true);
}

QString RadioGroup::itemText(int index) const {
  if (index < 0 || index >= m_count)
    return {};
  const Row &row = m_rows[static_cast<std::size_t>(index)];
  return row.label ? row.label->text() : row.button->text();
}

int RadioGroup::checkedIndex() const {
  const int id = m_buttons->checkedId();
  return id < m_count ? id : -1;
}

QRadioButton *RadioGroup::button(int index) const {
  if (index < 0 || index >= m_count)
    return nullptr;
  return m_rows[static_cast<std::size_t>(index)].button;
}
