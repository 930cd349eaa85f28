// The order form: its fields, the checks on leaving a field with the focus kept,
// the phone masks per country, and what "Заказать" refuses before any connection.
#include "dialogs.h"
#include "frm_zakaz.h"
#include "main_caption.h"
#include "offer_document.h"
#include "order_block.h"
#include "order_form_checks.h"
#include "order_lists.h"
#include "order_test_input.h"
#include "phone_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {

struct FakeOrigin : OrderOrigin {
  OfferDocument doc;
  int line = 0;
  int liLineNum() const override { return line; }
  const OfferDocument &offer() const override { return doc; }
  QString caption() const override { return kMainCaption; }
};

const QString kInvalidPhoneInput = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

} // namespace

class TestOrderForm : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void fieldsLabelsAndLists();
  void tabOrderFollowsTheColumn();
  void emptyNameKeepsTheFocus_data();
  void emptyNameKeepsTheFocus();
  void eMailCheckOnLeaving_data();
  void eMailCheckOnLeaving();
  void clickOnTheButtonFromAnEmptyNameOnlyReportsTheName();
  void untouchedPhoneIsReportedOnLeaving();
  void incompleteNumberRefusesToLeaveAndEscapeUndoes();
  void completeNumberMayBeLeft();
  void countryChoosesTheMaskAndCarriesTheDigits();
  void typedCountryKeepsTheMask();
  void requiredFieldsBeforeAnything_data();
  void requiredFieldsBeforeAnything();
  void anOfferWithoutProductLinesSendsNothing();
  void fieldsSurviveHidingAndShowing();

private:
  void showForm();
  void focusThePhoneAfterAName();
  QStringList &messages() { return m_dialogs->messages; }

  std::unique_ptr<Dialogs::Recorder> m_dialogs;
  std::unique_ptr<FakeOrigin> m_origin;
  std::unique_ptr<TfrmZakaz> m_form;
};

void TestOrderForm::init() {
  m_dialogs = std::make_unique<Dialogs::Recorder>();
  m_origin = std::make_unique<FakeOrigin>();
  m_form = std::make_unique<TfrmZakaz>(*m_origin, nullptr);
}

void TestOrderForm::cleanup() {
  m_form.reset();
  m_origin.reset();
  m_dialogs.reset();
}

void TestOrderForm::showForm() {
  m_form->show();
  m_form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

// The form shown, a name entered, and the phone field clicked into.
void TestOrderForm::focusThePhoneAfterAName() {
  showForm();
  m_form->lbledName->setText(QStringLiteral("Иван"));
  ClickInto(m_form->medTel);
}

void TestOrderForm::fieldsLabelsAndLists() {
  TfrmZakaz &f = *m_form;
  QCOMPARE(f.windowTitle(), QStringLiteral("Отправить заказ"));
  QCOMPARE(f.size(), QSize(570, 608));
  QCOMPARE(f.Label1->text(), QStringLiteral("Оформление заказа :"));
  QVERIFY(f.Label1->font().bold());
  QCOMPARE(f.Label1->font().pixelSize(), 15);
  QCOMPARE(f.Label2->text(), QStringLiteral("Поля, отмеченные звёздочкой *, обязательны для заполнения."));
  const QList<std::pair<QLabel *, QString>> labels = {
      {f.lbledNameLabel, QStringLiteral("Имя *")},
      {f.lbledSurNameLabel, QStringLiteral("Фамилия")},
      {f.lbledEMailLabel, QStringLiteral("E-mail *")},
      {f.lbledCompanyLabel, QStringLiteral("Название компании (для юр. лиц)")},
      {f.Label5, QStringLiteral("Телефон *")},
      {f.Label3, QStringLiteral("Страна *")},
      {f.Label4, QStringLiteral("Область (Город)")},
      {f.lbledCityLabel, QStringLiteral("Город")},
      {f.lbledAdresLabel, QStringLiteral("Адрес")}};
  for (const auto &[label, text] : labels)
    QCOMPARE(label->text(), text);
  for (QWidget *edit : {static_cast<QWidget *>(f.lbledName), static_cast<QWidget *>(f.lbledEMail),
                        static_cast<QWidget *>(f.lbledAdres)})
    QCOMPARE(edit->font().pixelSize(), 13);
  QCOMPARE(f.medTel->font().pixelSize(), 11);
  QCOMPARE(f.cbCountry->font().pixelSize(), 11);
  QCOMPARE(f.lbledAdres->height(), 97);
  QCOMPARE(f.lbledName->width(), 553);
  QCOMPARE(f.bbNext->text(), QStringLiteral("Заказать"));

  QCOMPARE(f.cbCountry->count(), 3);
  QCOMPARE(f.cbCountry->itemText(0), QStringLiteral("Беларусь"));
  QCOMPARE(f.cbCountry->itemText(2), QStringLiteral("Украина"));
  QCOMPARE(f.cbCountry->currentText(), QStringLiteral("Россия"));
  QCOMPARE(f.cbCity->count(), 93);
  for (int i = 0; i < 93; ++i)
    QCOMPARE(f.cbCity->itemText(i), OrderRegions()[i]);
  QCOMPARE(f.cbCity->currentText(), QStringLiteral("Агинский Бурятский (АО)"));
  QCOMPARE(f.medTel->displayText(), QStringLiteral("+7(___)___-____"));
  QCOMPARE(f.medTel->fieldText(), QStringLiteral("+7(   )   -    "));
  QCOMPARE(f.fields().phone, QStringLiteral("+7(   )   -    "));
}

void TestOrderForm::tabOrderFollowsTheColumn() {
  showForm();
  TfrmZakaz &f = *m_form;
  QCOMPARE(QApplication::focusWidget(), f.lbledName);
  f.lbledName->setText(QStringLiteral("Иван"));
  f.lbledEMail->setText(QStringLiteral("ivan@mail.ru"));
  const QList<QWidget *> order = {f.lbledSurName, f.lbledEMail, f.lbledCompany, f.medTel, f.cbCountry,
                                  f.cbCity,       f.lbledCity,  f.lbledAdres,   f.bbNext};
  QWidget *from = f.lbledName;
  for (QWidget *expected : order) {
    if (from == f.medTel)
      TypeText(f.medTel, QStringLiteral("9161234567"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(f.focusWidget(), expected);
    from = expected;
  }
  QVERIFY(messages().isEmpty());
}

void TestOrderForm::emptyNameKeepsTheFocus_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("byTab");
  QTest::newRow("empty, click into the e-mail") << QString() << false;
  QTest::newRow("blanks only, click into the e-mail") << QStringLiteral("   ") << false;
  QTest::newRow("empty, Tab") << QString() << true;
}

void TestOrderForm::emptyNameKeepsTheFocus() {
  QFETCH(QString, name);
  QFETCH(bool, byTab);
  showForm();
  m_form->lbledName->setText(name);
  if (byTab)
    QTest::keyClick(m_form->lbledName, Qt::Key_Tab);
  else
    ClickInto(m_form->lbledEMail);
  QCOMPARE(messages(), QStringList{kEmptyFieldMessage});
  QCOMPARE(QApplication::focusWidget(), m_form->lbledName);

  m_form->lbledName->setText(QStringLiteral("Иван"));
  ClickInto(m_form->lbledEMail);
  QCOMPARE(QApplication::focusWidget(), m_form->lbledEMail);
  QCOMPARE(messages().size(), 1);
}

void TestOrderForm::eMailCheckOnLeaving_data() {
  QTest::addColumn<QString>("email");
  QTest::addColumn<bool>("mayLeave");
  QTest::newRow("empty") << QString() << false;
  QTest::newRow("malformed") << QStringLiteral("ivan@mail") << false;
  QTest::newRow("Cyrillic") << QStringLiteral("иван@mail.ru") << false;
  QTest::newRow("valid") << QStringLiteral("ivan@mail.ru") << true;
}

void TestOrderForm::eMailCheckOnLeaving() {
  QFETCH(QString, email);
  QFETCH(bool, mayLeave);
  showForm();
  m_form->lbledName->setText(QStringLiteral("Иван"));
  ClickInto(m_form->lbledEMail);
  TypeText(m_form->lbledEMail, email);
  ClickInto(m_form->lbledCompany);
  if (mayLeave) {
    QVERIFY(messages().isEmpty());
    QCOMPARE(QApplication::focusWidget(), m_form->lbledCompany);
  } else {
    QCOMPARE(messages(), QStringList{kBadEMailMessage});
    QCOMPARE(QApplication::focusWidget(), m_form->lbledEMail);
  }
}

void TestOrderForm::clickOnTheButtonFromAnEmptyNameOnlyReportsTheName() {
  showForm();
  ClickInto(m_form->bbNext);
  QCOMPARE(messages(), QStringList{kEmptyFieldMessage});
  QCOMPARE(QApplication::focusWidget(), m_form->lbledName);
  QVERIFY(m_form->isVisible());
}

void TestOrderForm::untouchedPhoneIsReportedOnLeaving() {
  focusThePhoneAfterAName();
  QCOMPARE(QApplication::focusWidget(), m_form->medTel);
  ClickInto(m_form->lbledAdres);
  QCOMPARE(messages(), QStringList{kBadPhoneMessage});
  QCOMPARE(QApplication::focusWidget(), m_form->medTel);
}

void TestOrderForm::incompleteNumberRefusesToLeaveAndEscapeUndoes() {
  focusThePhoneAfterAName();
  QTest::keyClick(m_form->medTel, Qt::Key_Home);
  TypeText(m_form->medTel, QStringLiteral("91612"));
  QCOMPARE(m_form->medTel->fieldText(), QStringLiteral("+7(916)12 -    "));
  QTest::keyClick(m_form->medTel, Qt::Key_End);
  ClickInto(m_form->lbledAdres);
  QCOMPARE(messages(), QStringList{kInvalidPhoneInput});
  QCOMPARE(QApplication::focusWidget(), m_form->medTel);
  QCOMPARE(m_form->medTel->cursorPosition(), 9); // the first "_" of "+7(916)12_-____"
  QTest::keyClick(m_form->medTel, Qt::Key_Tab);
  QCOMPARE(messages().size(), 2);
  QCOMPARE(QApplication::focusWidget(), m_form->medTel);

  // Escape brings back the text the field had when it got the focus; left
  // untouched, the field's own message follows.
  QTest::keyClick(m_form->medTel, Qt::Key_Escape);
  QVERIFY(m_form->isVisible());
  QCOMPARE(m_form->medTel->fieldText(), QStringLiteral("+7(   )   -    "));
  ClickInto(m_form->lbledAdres);
  QCOMPARE(messages().last(), kBadPhoneMessage);
  QCOMPARE(QApplication::focusWidget(), m_form->medTel);
}

void TestOrderForm::completeNumberMayBeLeft() {
  focusThePhoneAfterAName();
  QTest::keyClick(m_form->medTel, Qt::Key_Home);
  TypeText(m_form->medTel, QStringLiteral("9161234567"));
  ClickInto(m_form->lbledAdres);
  QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
  QCOMPARE(QApplication::focusWidget(), m_form->lbledAdres);
  QCOMPARE(m_form->fields().phone, QStringLiteral("+7(916)123-4567"));
}

void TestOrderForm::countryChoosesTheMaskAndCarriesTheDigits() {
  PhoneEdit &phone = *m_form->medTel;
  QComboBox &country = *m_form->cbCountry;
  country.setCurrentIndex(0);
  QCOMPARE(phone.displayText(), QStringLiteral("+375(___)___-____"));
  country.setCurrentIndex(1);
  QCOMPARE(phone.displayText(), QStringLiteral("+7(___)___-____"));

  showForm();
  m_form->lbledName->setText(QStringLiteral("Иван"));
  ClickInto(&phone);
  QTest::keyClick(&phone, Qt::Key_Home);
  TypeText(&phone, QStringLiteral("9161234567"));
  ClickInto(&country);
  QVERIFY(messages().isEmpty());
  country.setCurrentIndex(2);
  QCOMPARE(phone.displayText(), QStringLiteral("+380(916)123-4567"));
  QCOMPARE(m_form->fields().phone, QStringLiteral("+380(916)123-4567"));
  country.setCurrentIndex(0);
  QCOMPARE(phone.displayText(), QStringLiteral("+375(916)123-4567"));
  QCOMPARE(phone.maxLength(), 17);
  country.setCurrentIndex(1);
  QCOMPARE(phone.displayText(), QStringLiteral("+7(916)123-4567"));
}

void TestOrderForm::typedCountryKeepsTheMask() {
  showForm();
  m_form->cbCountry->setCurrentIndex(0);
  m_form->cbCountry->setEditText(QStringLiteral("Казахстан"));
  QCOMPARE(m_form->medTel->displayText(), QStringLiteral("+375(___)___-____"));
  QCOMPARE(m_form->fields().country, QStringLiteral("Казахстан"));
  m_form->cbCountry->setEditText(QStringLiteral("Украина"));
  QCOMPARE(m_form->medTel->displayText(), QStringLiteral("+380(___)___-____"));
}

void TestOrderForm::requiredFieldsBeforeAnything_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("email");
  QTest::addColumn<QString>("digits");
  QTest::newRow("name of blanks") << QStringLiteral("  ") << QStringLiteral("ivan@mail.ru")
                                  << QStringLiteral("9161234567");
  QTest::newRow("no e-mail") << QStringLiteral("Иван") << QString() << QStringLiteral("9161234567");
  QTest::newRow("untouched phone") << QStringLiteral("Иван") << QStringLiteral("ivan@mail.ru") << QString();
}

void TestOrderForm::requiredFieldsBeforeAnything() {
  QFETCH(QString, name);
  QFETCH(QString, email);
  QFETCH(QString, digits);
  m_origin->doc.addPlainLine(QString(QChar(0x0001)) + QStringLiteral(" Грунт"));
  m_form->show();
  m_form->lbledName->setText(name);
  m_form->lbledEMail->setText(email);
  m_form->medTel->setText(LayDigitSlots(m_form->medTel->maskTemplate(), digits));
  m_form->bbNextClick();
  QCOMPARE(messages(), QStringList{kRequiredFieldsMessage});
  QVERIFY(m_form->isVisible());
  QCOMPARE(m_form->lbledName->text(), name);
}

void TestOrderForm::anOfferWithoutProductLinesSendsNothing() {
  m_origin->doc.addPlainLine(QStringLiteral("Вариант Первый:"));
  m_origin->doc.addPlainLine(QStringLiteral("нет расчёта"));
  m_origin->line = 1;
  m_form->show();
  m_form->lbledName->setText(QStringLiteral("Иван"));
  m_form->lbledEMail->setText(QStringLiteral("ivan@mail.ru"));
  m_form->medTel->setText(QStringLiteral("+7(916)123-4567"));
  m_form->bbNextClick();
  QCOMPARE(messages(), QStringList{kNoVariantMessage});
  QVERIFY(m_form->isVisible());
  QCOMPARE(m_form->fields().phone, QStringLiteral("+7(916)123-4567"));
}

void TestOrderForm::fieldsSurviveHidingAndShowing() {
  showForm();
  TfrmZakaz &f = *m_form;
  f.lbledName->setText(QStringLiteral("Иван"));
  f.lbledSurName->setText(QStringLiteral("Петров"));
  f.lbledCompany->setText(QStringLiteral("ООО Ромашка"));
  f.cbCountry->setCurrentIndex(0);
  f.medTel->setText(QStringLiteral("+375(291)234-5678"));
  f.cbCity->setCurrentIndex(42);
  f.lbledCity->setText(QStringLiteral("Москва"));
  f.lbledAdres->setText(QStringLiteral("ул. Ленина, 1"));
  const OrderFields before = f.fields();
  f.hide();
  showForm();
  const OrderFields after = f.fields();
  QCOMPARE(after.name, before.name);
  QCOMPARE(after.surname, before.surname);
  QCOMPARE(after.company, before.company);
  QCOMPARE(after.phone, QStringLiteral("+375(291)234-5678"));
  QCOMPARE(after.country, QStringLiteral("Беларусь"));
  QCOMPARE(after.region, QStringLiteral("Москва"));
  QCOMPARE(f.lbledCity->text(), QStringLiteral("Москва"));
  QCOMPARE(after.address, before.address);
}

QTEST_MAIN(TestOrderForm)
#include "tst_order_form.moc"
