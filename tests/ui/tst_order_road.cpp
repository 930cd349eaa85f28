// The road of one order, by clicks, against a real SMTP server on loopback: the
// wizard to the road offer, a click on the second variant, the form filled and
// "Заказать"; then the same with the server down and with a refused recipient.
#include "support_windows.h"

#include "charset_codec.h"
#include "mail_settings.h"
#include "offer_view.h"
#include "order_block.h"
#include "order_form_checks.h"
#include "order_message.h"
#include "order_test_input.h"
#include "phone_edit.h"
#include "radio_group.h"
#include "smtp_test_servers.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

namespace {

const QString kName = QStringLiteral("Иван");
const QString kEMail = QStringLiteral("ivan@mail.ru");
const QString kPhone = QStringLiteral("+7(916)123-4567");

// The Subject field of a received message, unfolded, its encoded words decoded.
QString ReceivedSubject(const QByteArray &data) {
  const qsizetype start = data.indexOf("\r\nSubject: ") + 2;
  qsizetype end = data.indexOf("\r\n", start);
  while (end >= 0 && end + 2 < data.size() && data.at(end + 2) == ' ')
    end = data.indexOf("\r\n", end + 2);
  const QString folded = QString::fromLatin1(data.mid(start + 9, end - start - 9));
  static const QRegularExpression encodedWord(QStringLiteral("=\\?([^?]+)\\?[Bb]\\?([^?]*)\\?="));
  QString subject;
  qsizetype at = 0;
  bool afterEncoded = false;
  for (QRegularExpressionMatchIterator it = encodedWord.globalMatch(folded); it.hasNext();) {
    const QRegularExpressionMatch word = it.next();
    const QString between = folded.mid(at, word.capturedStart() - at).remove(QStringLiteral("\r\n"));
    if (!(afterEncoded && between.trimmed().isEmpty()))
      subject += between; // blanks between two encoded words do not count
    subject += DecodeFromCharset(QByteArray::fromBase64(word.captured(2).toLatin1()), word.captured(1).toLatin1())
                   .value_or(QStringLiteral("<undecodable>"));
    at = word.capturedEnd();
    afterEncoded = true;
  }
  return subject + folded.mid(at).remove(QStringLiteral("\r\n"));
}

QByteArray InWindows1251(const QString &text) {
  return EncodeToCharset(text, "windows-1251").value_or(QByteArray());
}

} // namespace

class TestOrderRoad : public WindowsTest {
  Q_OBJECT

private slots:
  void cleanup();
  void roadOfOneOrder();
  void serverDownReportsAndKeepsTheForm();
  void refusedRecipientHidesTheFormAndReports();

private:
  void walkToTheRoadOffer();
  int pickVariant(const QString &heading);
  void fillTheForm();
  void pointTheOrderAt(quint16 port, const QString &caFile);
  TfrmZakaz &form() { return m_ui->windows->frmZakaz; }
  QStringList &messages() { return m_ui->dialogs.messages; }
};

void TestOrderRoad::cleanup() {
  WindowsTest::cleanup();
  qunsetenv("TINTORA_SMTP_HOST");
  qunsetenv("TINTORA_SMTP_PORT");
  qunsetenv("TINTORA_SMTP_CAFILE");
}

void TestOrderRoad::pointTheOrderAt(quint16 port, const QString &caFile) {
  qputenv("TINTORA_SMTP_HOST", "localhost");
  qputenv("TINTORA_SMTP_PORT", QByteArray::number(port));
  qputenv("TINTORA_SMTP_CAFILE", caFile.toUtf8());
}

// Steps 1-6: waterproofing, roof, concrete, summer, 100 m², "Лист ландыша".
void TestOrderRoad::walkToTheRoadOffer() {
  TfrmMain &w = m_ui->main();
  const struct {
    RadioGroup *group;
    const char16_t *answer;
  } answers[] = {{w.rgTipRabot, nullptr},
                 {w.rgVidObj, u"Кровля"},
                 {w.rgMaterial, u"Бетон, кирпич, штукатурка"},
                 {w.rgTemperature, nullptr}};
  for (const auto &step : answers) {
    if (step.answer)
      QCOMPARE(step.group->itemText(0), QString::fromUtf16(step.answer));
    m_ui->choose(step.group, 0);
    m_ui->next();
  }
  m_ui->typeArea(QStringLiteral("100"));
  m_ui->next();
  QCOMPARE(w.pcMain->currentIndex(), 5);
  Click(w.rbCol[0]);
  m_ui->next();
  QCOMPARE(w.pcMain->currentIndex(), 6);
  QVERIFY(FindLine(m_ui->wizard().offer, QStringLiteral("Гидроизоляция кровли (Летний вариант)")) > 0);
}

// Step 7: the pointer over the variant's heading, a click, the form opens.
int TestOrderRoad::pickVariant(const QString &heading) {
  TfrmMain &w = m_ui->main();
  const int line = FindLine(m_ui->wizard().offer, heading);
  const QPoint on = PointOnLine(w, line);
  QTest::mouseMove(w.reOut->viewport(), on);
  QTest::mouseClick(w.reOut->viewport(), Qt::LeftButton, {}, on);
  QTest::mouseMove(w.reOut->viewport(), on + QPoint(1, 0));
  [&] {
    QTRY_VERIFY(form().isVisible());
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
  }();
  return line;
}

// Step 8, first half: name, e-mail and phone, moving between them by clicks.
void TestOrderRoad::fillTheForm() {
  QCOMPARE(QApplication::focusWidget(), form().lbledName);
  TypeText(form().lbledName, kName);
  ClickInto(form().lbledEMail);
  TypeText(form().lbledEMail, kEMail);
  ClickInto(form().medTel);
  QTest::keyClick(form().medTel, Qt::Key_Home);
  TypeText(form().medTel, QStringLiteral("9161234567"));
  QCOMPARE(form().medTel->fieldText(), kPhone);
  QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('|'))));
}

void TestOrderRoad::roadOfOneOrder() {
  const OrderMailConfig account = OrderMailSettings(QProcessEnvironment());
  smtp_test::TestServer server;
  QVERIFY2(server.startServer(account.transport.user, account.transport.password), qPrintable(server.problem()));
  pointTheOrderAt(server.port(), server.caFile());

  walkToTheRoadOffer();
  const int heading = pickVariant(QStringLiteral("Вариант Второй"));
  QCOMPARE(m_ui->main().liLineNum(), heading);
  fillTheForm();
  // While the exchange runs, a modal busy window holds every other window.
  auto busy = std::make_shared<QString>();
  WhenModalOpens([busy](QWidget *modal) {
    *busy = modal->objectName() + QLatin1Char('|') + modal->windowTitle() + QLatin1Char('|') +
            QString::number(modal->windowModality() == Qt::ApplicationModal);
  });
  ClickInto(form().bbNext);

  QCOMPARE(*busy, QStringLiteral("busyIndicator|Отправка заказа…|1"));
  QCOMPARE(messages(), QStringList{kOrderSentMessage});
  QVERIFY(form().isHidden());
  const std::optional<QJsonObject> auth = server.waitFor(QStringLiteral("auth"));
  QVERIFY(auth && auth->value(QStringLiteral("accepted")).toBool());
  const std::optional<QJsonObject> received = server.waitFor(QStringLiteral("message"));
  QVERIFY(received);
  QCOMPARE(received->value(QStringLiteral("rcpt_tos")).toArray().first().toString(), account.orderMailbox);
  const QByteArray data = QByteArray::fromBase64(received->value(QStringLiteral("data")).toString().toLatin1());

  QVERIFY(data.contains("\r\nContent-Type: text/plain; charset=windows-1251\r\n"));
  QVERIFY(data.contains("\r\nSubject: =?"));
  QCOMPARE(ReceivedSubject(data), OrderSubject(kName, QDate::currentDate(), QLocale()));
  const OfferDocument &offer = m_ui->wizard().offer;
  const OrderBlock second = *FindOrderBlock(offer, heading);
  QVERIFY(second.last > second.first);
  for (const QString &line :
       {QStringLiteral("Версия ПО : 20220618"), QStringLiteral("Имя      :    ") + kName,
        QStringLiteral("E-Mail   :    ") + kEMail, QStringLiteral("Телефон  :    ") + kPhone,
        QStringLiteral("Страна   :    Россия"), QStringLiteral("Область  :    Агинский Бурятский (АО)")})
    QVERIFY2(data.contains("\r\n" + InWindows1251(line) + "\r\n"), qPrintable(line));
  const QByteArray products = InWindows1251(QString(76, QLatin1Char('-'))) + "\r\n" +
                              InWindows1251(TrimBlanksAndControls(offer.lineText(second.first))) + "\r\n" +
                              InWindows1251(TrimBlanksAndControls(offer.lineText(second.last))) + "\r\n\r\n";
  QVERIFY(data.endsWith(products));

  // A second order from the same form: the entries are still there, and the
  // message holds only the first variant's lines.
  messages().clear();
  pickVariant(QStringLiteral("Вариант Первый"));
  QCOMPARE(form().lbledName->text(), kName);
  QCOMPARE(form().medTel->fieldText(), kPhone);
  ClickInto(form().bbNext);
  QCOMPARE(messages(), QStringList{kOrderSentMessage});
  const std::optional<QJsonObject> again = server.waitFor(QStringLiteral("message"));
  QVERIFY(again);
  const QByteArray secondData = QByteArray::fromBase64(again->value(QStringLiteral("data")).toString().toLatin1());
  QVERIFY(secondData.contains(InWindows1251(QStringLiteral("Грунт Универсальный"))));
  QVERIFY(!secondData.contains(InWindows1251(QStringLiteral("Грунт Сарвет Адгезив"))));
  QCOMPARE(secondData.count(InWindows1251(QStringLiteral("Версия ПО"))), 1);
}

void TestOrderRoad::serverDownReportsAndKeepsTheForm() {
  const smtp_test::ClosedPort closed;
  QVERIFY(closed.port() != 0);
  pointTheOrderAt(closed.port(), QString());
  walkToTheRoadOffer();
  pickVariant(QStringLiteral("Вариант Второй"));
  fillTheForm();
  ClickInto(form().bbNext);

  QCOMPARE(messages().size(), 1);
  QVERIFY(!messages().first().isEmpty());
  QVERIFY(messages().first() != kOrderSentMessage && messages().first() != kOrderNotSentMessage);
  QVERIFY(form().isVisible());
  QCOMPARE(form().fields().name, kName);
  QCOMPARE(form().fields().email, kEMail);
  QCOMPARE(form().fields().phone, kPhone);
}

void TestOrderRoad::refusedRecipientHidesTheFormAndReports() {
  smtp_test::TestServer peer;
  QVERIFY2(peer.startPeer(QStringLiteral("recipient_refused")), qPrintable(peer.problem()));
  pointTheOrderAt(peer.port(), peer.caFile());
  walkToTheRoadOffer();
  pickVariant(QStringLiteral("Вариант Второй"));
  fillTheForm();
  ClickInto(form().bbNext);

  QCOMPARE(messages().size(), 1);
  QVERIFY2(messages().first().contains(QStringLiteral("Recipient address rejected")), qPrintable(messages().first()));
  QVERIFY(form().isHidden());
  QCOMPARE(form().fields().name, kName);
  QCOMPARE(form().fields().phone, kPhone);
  // The refusal is followed by RSET, and the form's disconnect still says QUIT.
  QStringList lines;
  for (std::optional<QJsonObject> line; (line = peer.waitFor(QStringLiteral("line"), 5000));) {
    lines << line->value(QStringLiteral("text")).toString();
    if (lines.last() == QStringLiteral("QUIT"))
      break;
  }
  QVERIFY2(lines.contains(QStringLiteral("RSET")), qPrintable(lines.join(QLatin1Char('|'))));
  QCOMPARE(lines.last(), QStringLiteral("QUIT"));
}

QTEST_MAIN(TestOrderRoad)
#include "tst_order_road.moc"
