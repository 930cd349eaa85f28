#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

class AnswerList;
class ClickableLabel;
class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A framed single-choice list whose items share its height evenly. It mirrors an
// AnswerList (texts, count, checked item) and reports clicks; it never changes the
// list itself.
class RadioGroup : public QGroupBox {
  Q_OBJECT
public:
  enum class ItemText { SingleLine, Wrapped };

  explicit RadioGroup(ItemText mode, QWidget *parent = nullptr);

  void mirror(const AnswerList &list);

  int count() const { return m_count; }
  QString itemText(int index) const;
  int checkedIndex() const;
  // The radio button of item `index` (a click on it selects the item).
  QRadioButton *button(int index) const;

signals:
  void itemClicked(int index);

private:
  struct Row {
    QWidget *widget;
    QRadioButton *button;
    ClickableLabel *label; // only for wrapped items
  };

  void ensureRows(int count);
  Row makeRow(int index);
  void setItemText(const Row &row, const QString &text);

  ItemText m_mode;
  QVBoxLayout *m_layout;
  QButtonGroup *m_buttons;
  std::vector<Row> m_rows; // grown on demand, surplus rows hidden
  int m_count = 0;
};
