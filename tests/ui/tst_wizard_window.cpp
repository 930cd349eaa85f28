// The wizard window driven by clicks and keys only: start-up, the road of one
// order, the tabs that refuse, the ends of the road, and the area check.
#include "support_windows.h"

#include "area_edit.h"
#include "offer_view.h"
#include "radio_group.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestWizardWindow : public QObject {
  Q_OBJECT

private slots:
  void startsOnTheFirstPageWithTheDefaults();
  void roadOfOneOrder();
  void tabsRefuseMouseAndKeyboard();
  void backOnTheFirstPageAndNextOnTheLastStay();
  void areaZeroIsRefusedInBothDirections_data();
  void areaZeroIsRefusedInBothDirections();
  void skippedPagesAreNotShown();
  void closingTheMainWindowEndsTheProgramWithTheOrderFormOpen();
};

void TestWizardWindow::startsOnTheFirstPageWithTheDefaults() {
  ShownWindows ui;
  TfrmMain &w = ui.main();
  QCOMPARE(w.windowTitle(), QStringLiteral("Программа по подбору Продукции ГК ЛРС \"Ладомир\" 20220618"));
  QCOMPARE(w.size(), QSize(653, 626));
  QCOMPARE(w.pcMain->currentIndex(), 0);
  const QStringList tabs{QStringLiteral("Тип Работ"),           QStringLiteral("Вид Объекта"),
                         QStringLiteral("Материал Основания"),  QStringLiteral("Температура ОВ"),
                         QStringLiteral("Площадь поверхности"), QStringLiteral("Цвет"),
                         QStringLiteral("Предложение")};
  QCOMPARE(w.pcMain->count(), tabs.size());
  for (int i = 0; i < tabs.size(); ++i)
    QCOMPARE(w.pcMain->tabText(i), tabs.at(i));
  QCOMPARE(w.Label1->text(), QStringLiteral("Выберите тип работ по окрашиванию и перейдите \"Далее\":"));
  QCOMPARE(w.rgTipRabot->count(), 5);
  QCOMPARE(w.rgTipRabot->itemText(2), QStringLiteral("Теплоизоляция"));
  for (RadioGroup *group : {w.rgTipRabot, w.rgVidObj, w.rgMaterial, w.rgTemperature})
    QCOMPARE(group->checkedIndex(), 0);
  QCOMPARE(w.rgVidObj->itemText(1), QStringLiteral("Фундамент/Цоколь/Плиты перекрытия "));
  QCOMPARE(w.medS->text(), QStringLiteral("100"));
  QVERIFY(w.lblPredel->isHidden());
  QVERIFY(w.rgOgneStoi->isHidden());
  QCOMPARE(w.bbNext->text(), QStringLiteral("Далее"));
  QCOMPARE(w.bbPrev->text(), QStringLiteral("Назад"));
  QVERIFY(!w.btnDop->isVisible());
  QVERIFY(!w.btnPUColor->isVisible());
  QVERIFY(w.rbCol[0]->isChecked());
  QCOMPARE(w.liLineNum(), 0);
  QVERIFY(!ui.windows->frmAboutArm.isVisible());
  QVERIFY(!ui.windows->frmPUColor.isVisible());
  QVERIFY(!ui.windows->frmZakaz.isVisible());
}

// Overview steps 1-7: waterproofing, roof, concrete, summer, 100, the default colour,
// then a click on the second variant opens the order form.
void TestWizardWindow::roadOfOneOrder() {
  ShownWindows ui;
  TfrmMain &w = ui.main();

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 1);
  QCOMPARE(w.rgVidObj->count(), 8);
  QCOMPARE(w.rgVidObj->itemText(1), QStringLiteral("Фундамент/Цоколь/Плиты перекрытия"));
  QCOMPARE(w.rgVidObj->itemText(0), QStringLiteral("Кровля"));

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 2);
  QCOMPARE(w.rgMaterial->count(), 14);
  QCOMPARE(w.rgMaterial->itemText(8), QStringLiteral("Битум и гудрон"));
  QCOMPARE(w.rgMaterial->checkedIndex(), 0);

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 3);
  QCOMPARE(w.pcMain->tabText(3), QStringLiteral("Температура ОВ"));
  QCOMPARE(w.rgTemperature->itemText(0), QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)"));
  ui.choose(w.rgTemperature, 0);

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 4);
  QCOMPARE(w.medS->text(), QStringLiteral("100"));

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 5);
  QCOMPARE(ui.wizard().state.dArea, 100.0);
  QVERIFY(w.rbCol[0]->isChecked());
  QCOMPARE(w.bbNext->text(), QStringLiteral("Далее"));

  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 6);
  QCOMPARE(w.bbNext->text(), QStringLiteral("Сохранить"));
  const OfferDocument &offer = ui.wizard().offer;
  QVERIFY(offer.count() > 10);
  QVERIFY(FindLineContaining(offer, QStringLiteral("Гидроизоляция кровли (Летний вариант)")) >= 0);
  // One paragraph per offer line, then the empty one after the last line break.
  QStringList shown = BlockTexts(*w.reOut->document());
  QCOMPARE(shown.takeLast(), QString());
  QCOMPARE(shown, OfferLines(offer));
  QVERIFY(w.btnDop->isVisible());

  // Right after the composition the caret stands past the last line.
  QTest::mouseMove(w.reOut->viewport(), QPoint(40, 40));
  QTRY_COMPARE(w.liLineNum(), offer.count());
  QVERIFY(!ui.windows->frmZakaz.isVisible());

  const int second = FindLineContaining(offer, QStringLiteral("Вариант Второй"));
  QVERIFY(second > 0);
  const int product = FindLine(offer, QString(kProductLineMarker), second);
  QVERIFY(product > second);
  const QPoint onProduct = PointOnLine(w, product);
  QTest::mouseMove(w.reOut->viewport(), onProduct);
  QTest::mouseClick(w.reOut->viewport(), Qt::LeftButton, {}, onProduct);
  QCOMPARE(w.liLineNum(), product);
  QTRY_VERIFY(ui.windows->frmZakaz.isVisible());
  QVERIFY(!ui.windows->frmZakaz.isModal());
  QCOMPARE(ui.windows->frmZakaz.windowTitle(), QStringLiteral("Отправить заказ"));
}

void TestWizardWindow::tabsRefuseMouseAndKeyboard() {
  ShownWindows ui;
  TfrmMain &w = ui.main();
  QTabBar *tabs = w.pcMain->tabBar();
  for (int tab : {3, 6, 1})
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
  QCOMPARE(w.pcMain->currentIndex(), 0);

  tabs->setFocus();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Down})
    QTest::keyClick(tabs, key);
  QCOMPARE(w.pcMain->currentIndex(), 0);
  w.rgTipRabot->button(0)->setFocus();
  QTest::keyClick(w.rgTipRabot->button(0), Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(w.rgTipRabot->button(0), Qt::Key_PageDown, Qt::ControlModifier);
  QCOMPARE(w.pcMain->currentIndex(), 0);

  // Programmatic switching is put back too; the buttons still step.
  w.pcMain->setCurrentIndex(4);
  QCOMPARE(w.pcMain->currentIndex(), 0);
  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 1);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  QCOMPARE(w.pcMain->currentIndex(), 1);
}

void TestWizardWindow::backOnTheFirstPageAndNextOnTheLastStay() {
  ShownWindows ui;
  TfrmMain &w = ui.main();
  ui.prev();
  QCOMPARE(w.pcMain->currentIndex(), 0);
  ui.next(6);
  QCOMPARE(w.pcMain->currentIndex(), 6);
  const QStringList offer = OfferLines(ui.wizard().offer);
  ui.next(); // "Сохранить", and the user cancels the file dialog
  QCOMPARE(w.pcMain->currentIndex(), 6);
  QCOMPARE(w.bbNext->text(), QStringLiteral("Сохранить"));
  QCOMPARE(OfferLines(ui.wizard().offer), offer);
  QVERIFY(ui.dialogs.messages.isEmpty());

  ui.prev();
  QCOMPARE(w.pcMain->currentIndex(), 5);
  QCOMPARE(w.bbNext->text(), QStringLiteral("Далее"));
  QVERIFY(!w.btnDop->isVisible());
}

void TestWizardWindow::areaZeroIsRefusedInBothDirections_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("forward");
  QTest::newRow("0, Next") << QStringLiteral("0") << true;
  QTest::newRow("0,0, Back") << QStringLiteral("0,0") << false;
  QTest::newRow("empty, Next") << QString() << true;
}

void TestWizardWindow::areaZeroIsRefusedInBothDirections() {
  QFETCH(QString, typed);
  QFETCH(bool, forward);
  ShownWindows ui;
  TfrmMain &w = ui.main();
  ui.next(4);
  QCOMPARE(w.pcMain->currentIndex(), 4);
  ui.typeArea(typed);
  QCOMPARE(w.medS->text(), typed);
  forward ? ui.next() : ui.prev();
  QCOMPARE(ui.dialogs.messages, QStringList{QStringLiteral("Значение не задано")});
  QCOMPARE(w.pcMain->currentIndex(), 4);

  ui.typeArea(QStringLiteral("12,5"));
  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 5);
  QCOMPARE(ui.wizard().state.dArea, 12.5);
}

void TestWizardWindow::skippedPagesAreNotShown() {
  ShownWindows ui;
  TfrmMain &w = ui.main();
  ui.choose(w.rgTipRabot, 2); // thermal insulation: pages 0, 3, 4, 6
  QList<int> visited{w.pcMain->currentIndex()};
  while (w.pcMain->currentIndex() < 6) {
    ui.next();
    visited.append(w.pcMain->currentIndex());
  }
  QCOMPARE(visited, (QList<int>{0, 3, 4, 6}));
  ui.prev();
  QCOMPARE(w.pcMain->currentIndex(), 4);
  ui.prev();
  QCOMPARE(w.pcMain->currentIndex(), 3);
  QVERIFY(w.rgOgneStoi->isHidden());
  ui.prev();
  QCOMPARE(w.pcMain->currentIndex(), 0);

  ui.choose(w.rgTipRabot, 3); // fire protection shows the second question on page 3
  ui.next();
  QCOMPARE(w.pcMain->currentIndex(), 3);
  QVERIFY(w.rgOgneStoi->isVisible());
  QCOMPARE(w.lblPredel->text(), QStringLiteral("Выберите предел огнестойкости:"));
  QCOMPARE(w.rgOgneStoi->itemText(1), QStringLiteral("R120"));
}

void TestWizardWindow::closingTheMainWindowEndsTheProgramWithTheOrderFormOpen() {
  ShownWindows ui;
  ui.windows->frmZakaz.show();
  QVERIFY(QTest::qWaitForWindowExposed(&ui.windows->frmZakaz));
  // The program's own event loop: it must end by itself once the main window closes.
  bool endedByItself = true;
  QTimer::singleShot(0, &ui.main(), [&ui] { ui.main().close(); });
  QTimer::singleShot(10000, qApp, [&endedByItself] {
    endedByItself = false;
    QCoreApplication::quit();
  });
  QApplication::exec();
  QVERIFY(endedByItself);
  QVERIFY(!ui.windows->frmZakaz.isVisible());
}

QTEST_MAIN(TestWizardWindow)
#include "tst_wizard_window.moc"
