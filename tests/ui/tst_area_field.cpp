// The area field's keystroke filter: digits and the comma pass, everything else
// typed is dropped; Backspace and Delete edit; a paste keeps only digits and commas.
#include "support_windows.h"

#include "area_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

class TestAreaField : public WindowsTest {
  Q_OBJECT

private slots:
  void init();
  void typedCharactersAreFiltered_data();
  void typedCharactersAreFiltered();
  void backspaceAndDeleteEdit();
  void enterEscapeAndClipboardShortcutsAreDropped();
  void pasteFromTheContextMenuKeepsDigitsAndCommas();

private:
  AreaEdit *field() { return m_ui->main().medS; }
};

void TestAreaField::init() {
  WindowsTest::init();
  m_ui->next(4);
  QCOMPARE(m_ui->main().pcMain->currentIndex(), 4);
  m_ui->typeArea(QString());
}

void TestAreaField::typedCharactersAreFiltered_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("digits and comma") << QStringLiteral("12,5") << QStringLiteral("12,5");
  QTest::newRow("letters") << QStringLiteral("1a2bКв") << QStringLiteral("12");
  QTest::newRow("full stop and minus") << QStringLiteral("-3.5") << QStringLiteral("35");
  QTest::newRow("blanks and signs") << QStringLiteral(" 4 +5e6 ") << QStringLiteral("456");
}

void TestAreaField::typedCharactersAreFiltered() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  // Key by key, with the character each key types (Cyrillic ones included).
  for (const QChar typedChar : typed) {
    const auto key = static_cast<Qt::Key>(typedChar.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, field(), key, QString(typedChar), Qt::NoModifier);
  }
  QCOMPARE(field()->text(), shown);
}

void TestAreaField::backspaceAndDeleteEdit() {
  QTest::keyClicks(field(), QStringLiteral("1234"));
  QTest::keyClick(field(), Qt::Key_Backspace);
  QCOMPARE(field()->text(), QStringLiteral("123"));
  QTest::keyClick(field(), Qt::Key_Home);
  QTest::keyClick(field(), Qt::Key_Delete);
  QCOMPARE(field()->text(), QStringLiteral("23"));
}

void TestAreaField::enterEscapeAndClipboardShortcutsAreDropped() {
  QGuiApplication::clipboard()->setText(QStringLiteral("999"));
  QTest::keyClicks(field(), QStringLiteral("50"));
  QTest::keyClick(field(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field(), Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(field(), Qt::Key_Return);
  QTest::keyClick(field(), Qt::Key_Escape);
  QCOMPARE(field()->text(), QStringLiteral("50"));
  QCOMPARE(m_ui->main().pcMain->currentIndex(), 4);
  QVERIFY(m_ui->dialogs.messages.isEmpty());
}

void TestAreaField::pasteFromTheContextMenuKeepsDigitsAndCommas() {
  QTest::keyClicks(field(), QStringLiteral("7"));
  QGuiApplication::clipboard()->setText(QStringLiteral("1 234.5,6 м²"));
  field()->paste(); // what the context menu's "Paste" does
  QCOMPARE(field()->text(), QStringLiteral("712345,6"));
  QCOMPARE(field()->cursorPosition(), 8);
  QTest::keyClick(field(), Qt::Key_Home);
  field()->paste();
  QCOMPARE(field()->text(), QStringLiteral("12345,6712345,6"));
  QCOMPARE(field()->cursorPosition(), 7);
}

QTEST_MAIN(TestAreaField)
#include "tst_area_field.moc"
