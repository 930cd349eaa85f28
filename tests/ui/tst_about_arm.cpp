// The reinforcement dialog: opened modally by "Подробнее об армировании", the
// article exactly, selectable but not editable, and the link to the full version.
#include "support_windows.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

const QStringList kArticle{
    QStringLiteral("Этапы армирования:"),
    QStringLiteral(""),
    QStringLiteral(
        "- Наносится соответствующий типу жидкой кровли грунт (Грунт Универсальный или Грунт Сарвет Адгезив)."),
    QStringLiteral(
        "- Затем наносим первый слой жидкой кровли при помощи кисти, валика или распылителя поршневого типа. "),
    QStringLiteral("  Нанесение жидкой кровли следует начинать с пониженного участка (водоприемная воронка, карниз)."),
    QStringLiteral(
        "- Поверх первого слоя жидкой кровли укладываем слой армирующего материала (геотекстиль, строительный "),
    QStringLiteral("бинт, стеклосетку, стеклоткань), прикатайте его валиком."),
    QStringLiteral(""),
    QStringLiteral("ВАЖНО! Армирующий материал должен полностью пропитаться жидкой кровлей!"),
    QStringLiteral("Исключается наличие непропитанных жидкой кровлей участков армирующего материала и воздушных "),
    QStringLiteral("полостей под ним!"),
    QStringLiteral(""),
    QStringLiteral(
        "- Нахлест полотнищ армирующего материала по длине и ширине должен составлять от 50 до 100 мм, исходя "),
    QStringLiteral("из свойств армирующего материала и изношенности покрытия."),
    QStringLiteral(""),
    QStringLiteral("Если армирование идет не сплошное, а только одного участка, то армирование подбирается из "),
    QStringLiteral("характеристик объекта: для протяженного шва можно использовать бинт строительный полиэфирный "),
    QStringLiteral(
        "толщиной от 5 до 10 см или полосы геотекстиля, нарезанные из рулона геотекстиля; для прорывов и пробоин "),
    QStringLiteral(
        "вырезается заплатка из геотекстиля (стекловолокна) с захлестом на неповрежденный участок от 5 до 10 см, "),
    QStringLiteral(
        "сплошные горизонтальные участки удобно армировать стеклопластиковой сеткой-серпянкой с ячеей 2х2 мм "),
    QStringLiteral("(для сплошного армирования геотекстиль или стеклоткань более трудоемки!)."),
    QStringLiteral(""),
    QStringLiteral("ВАЖНО! Перед нанесением последующего слоя жидкой кровли нужно дать высохнуть предыдущему. Время "),
    QStringLiteral("просушки между нанесением слоев - не менее 6 ч."),
    QStringLiteral(""),
    QStringLiteral("- Затем наносим второй слой жидкой кровли. (При необходимости, исходя из плотности армирующего "),
    QStringLiteral(
        "материала может понадобиться еще несколько слоев жидкой кровли с обязательным просушиванием каждого "),
    QStringLiteral("слоя!)."),
    QStringLiteral(""),
    QStringLiteral(
        "ВАЖНО! Толщина каждого нанесенного слоя не должна превышать 0,6 мм (что соответствует расходу 600 "),
    QStringLiteral(
        "грамм на квадратный метр). Общая толщина гидроизоляции после высыхания герметика должна составлять "),
    QStringLiteral("не менее 1,0 мм. "),
    QStringLiteral(""),
};

} // namespace

class TestAboutArm : public WindowsTest {
  Q_OBJECT

private slots:
  void init();
  void opensModallyWithTheArticleEveryTime();
  void articleIsSelectableButNotEditable();
  void linkOpensTheFullArticleAndTheDialogStays();

private:
  TfrmAboutArm &dialog() { return m_ui->windows->frmAboutArm; }
};

void TestAboutArm::init() {
  WindowsTest::init();
  // The roof road writes a reinforced liquid-roofing variant, which shows btnDop.
  m_ui->next(6);
  QVERIFY(m_ui->main().btnDop->isVisible());
  QCOMPARE(m_ui->main().btnDop->text(), QStringLiteral("Подробнее об армировании"));
}

void TestAboutArm::opensModallyWithTheArticleEveryTime() {
  for (int opening = 0; opening < 2; ++opening) {
    QStringList shown;
    bool modal = false;
    WhenModalOpens([&](QWidget *window) {
      modal = window == &dialog();
      shown = BlockTexts(*dialog().reDop->document());
      window->close();
    });
    Click(m_ui->main().btnDop);
    QVERIFY(modal);
    QCOMPARE(shown, kArticle);
  }
  QCOMPARE(dialog().windowTitle(), QStringLiteral("Подробнее об Армировании"));
  QCOMPARE(dialog().size(), QSize(579, 456));
  QCOMPARE(m_ui->wizard().state.iCurPage, 6);
}

void TestAboutArm::articleIsSelectableButNotEditable() {
  dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
  QTextEdit *article = dialog().reDop;
  QVERIFY(article->isReadOnly());
  article->setFocus();
  QTest::keyClick(article, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(article, QStringLiteral("xyz"));
  QTest::keyClick(article, Qt::Key_Delete);
  QTest::keyClick(article, Qt::Key_End, Qt::ShiftModifier);
  QCOMPARE(BlockTexts(*article->document()), kArticle);
  QCOMPARE(article->textCursor().selectedText(), kArticle.constFirst());
  dialog().close();
}

void TestAboutArm::linkOpensTheFullArticleAndTheDialogStays() {
  dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
  QPushButton *link = dialog().spbtnGO;
  QCOMPARE(link->text(), QStringLiteral("Полная версия статьи об армировании"));
  QVERIFY(link->isFlat());
  QVERIFY(link->font().underline());
  Click(link);
  QCOMPARE(m_ui->dialogs.openedUrls.size(), 1);
  QVERIFY(m_ui->dialogs.openedUrls.constFirst().isValid());
  QVERIFY(m_ui->dialogs.openedUrls.constFirst().scheme().startsWith(QStringLiteral("http")));
  QVERIFY(dialog().isVisible());
  dialog().close();
}

QTEST_MAIN(TestAboutArm)
#include "tst_about_arm.moc"
