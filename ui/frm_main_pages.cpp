// The question pages 0-4 of the wizard window.
#include "frm_main.h"

#include "area_edit.h"
#include "radio_group.h"
#include "ui_fonts.h"

#include <QLabel>
#include <QTabWidget>

namespace {

constexpr int kLeft = 3;
constexpr int kLabelY = 16;
constexpr int kListY = 35;
constexpr int kListWidth = 630;

struct QuestionPage {
  QWidget *TfrmMain::*sheet;
  QLabel *TfrmMain::*label;
  const char *labelName;
  RadioGroup *TfrmMain::*list;
  const char *listName;
  int listHeight;
  RadioGroup::ItemText itemText;
};

const std::array<QuestionPage, 4> kQuestionPages{{
    {&TfrmMain::tsTipRabot, &TfrmMain::Label1, "Label1", &TfrmMain::rgTipRabot, "rgTipRabot", 342,
     RadioGroup::ItemText::Wrapped},
    {&TfrmMain::tsObject, &TfrmMain::lblVidObj, "lblVidObj", &TfrmMain::rgVidObj, "rgVidObj", 341,
     RadioGroup::ItemText::SingleLine},
    {&TfrmMain::tsMaterial, &TfrmMain::lblMaterial, "lblMaterial", &TfrmMain::rgMaterial, "rgMaterial", 341,
     RadioGroup::ItemText::SingleLine},
    {&TfrmMain::tsTemperature, &TfrmMain::lblTemperature, "lblTemperature", &TfrmMain::rgTemperature, "rgTemperature",
     94, RadioGroup::ItemText::SingleLine},
}};

// Page 3's second question.
constexpr int kPredelLabelY = 135;
constexpr int kPredelListY = 154;
constexpr int kPredelListHeight = 94;

// Page 4: the area field and its unit, in a large bold font.
constexpr int kAreaPixelSize = 19;
constexpr int kAreaY = 48;
constexpr int kAreaWidth = 164;
constexpr int kUnitGap = 6;

QLabel *MakeLabel(QWidget *parent, const char *name) {
  auto *label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->move(kLeft, kLabelY);
  return label;
}

RadioGroup *MakeList(QWidget *parent, const char *name, RadioGroup::ItemText itemText, int y, int height) {
  auto *list = new RadioGroup(itemText, parent);
  list->setObjectName(QLatin1String(name));
  list->setGeometry(kLeft, y, kListWidth, height);
  return list;
}

} // namespace

void TfrmMain::buildQuestionPages() {
  for (const QuestionPage &page : kQuestionPages) {
    QWidget *sheet = this->*page.sheet;
    this->*page.label = MakeLabel(sheet, page.labelName);
    this->*page.list = MakeList(sheet, page.listName, page.itemText, kListY, page.listHeight);
  }
  lblPredel = MakeLabel(tsTemperature, "lblPredel");
  lblPredel->move(kLeft, kPredelLabelY);
  rgOgneStoi = MakeList(tsTemperature, "rgOgneStoi", RadioGroup::ItemText::SingleLine, kPredelListY, kPredelListHeight);
}

void TfrmMain::buildAreaPage() {
  lblS = MakeLabel(tsS, "lblS");
  const QFont large = UiFonts::pixels(kAreaPixelSize, true);

  medS = new AreaEdit(tsS);
  medS->setObjectName(QStringLiteral("medS"));
  medS->setFont(large);
  medS->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  medS->setGeometry(kLeft, kAreaY, kAreaWidth, medS->sizeHint().height());

  lblKVM = new QLabel(QStringLiteral("КВ.М"), tsS);
  lblKVM->setObjectName(QStringLiteral("lblKVM"));
  lblKVM->setFont(large);
  lblKVM->adjustSize();
  lblKVM->move(kLeft + kAreaWidth + kUnitGap, kAreaY + (medS->height() - lblKVM->height()) / 2);
}

void TfrmMain::refreshLists() {
  const Questionnaire &pages = m_wizard.pages;
  rgTipRabot->mirror(pages.rgTipRabot);
  rgVidObj->mirror(pages.rgVidObj);
  rgMaterial->mirror(pages.rgMaterial);
  rgTemperature->mirror(pages.rgTemperature);
  rgOgneStoi->mirror(pages.rgOgneStoi);

  const std::array<std::pair<QLabel *, int>, 5> questionLabels{
      {{Label1, 0}, {lblVidObj, 1}, {lblMaterial, 2}, {lblTemperature, 3}, {lblS, 4}}};
  for (const auto &[label, page] : questionLabels) {
    label->setText(pages.questionLabel(page));
    label->adjustSize();
  }
  lblPredel->setText(pages.lblPredelCaption());
  lblPredel->adjustSize();
  lblPredel->setVisible(pages.secondQuestionVisible());
  rgOgneStoi->setVisible(pages.secondQuestionVisible());
}
