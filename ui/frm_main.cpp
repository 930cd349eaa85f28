#include "frm_main.h"

#include "area_edit.h"
#include "dialogs.h"
#include "frm_about_arm.h"
#include "frm_pucolor.h"
#include "frm_zakaz.h"
#include "handler_guard.h"
#include "offer_view.h"
#include "page_control.h"
#include "pictures.h"
#include "radio_group.h"
#include "ui_fonts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int kWidth = 653;
constexpr int kHeight = 626;
constexpr int kBannerHeight = 130;
constexpr int kBottomHeight = 41;

// "20220618" is the version tag that the order e-mail takes from the caption.
const QString kCaption = QStringLiteral("Программа по подбору Продукции ГК ЛРС \"Ладомир\" 20220618");

struct BottomButton {
  QPushButton *TfrmMain::*member;
  const char *name;
  const char16_t *caption;
  int x;
  int width;
};

constexpr std::array<BottomButton, 4> kBottomButtons{{
    {&TfrmMain::btnDop, "btnDop", u"Подробнее об армировании", 4, 169},
    {&TfrmMain::btnPUColor, "btnPUColor", u"Выберите цвет Полиуретанов", 179, 169},
    {&TfrmMain::bbPrev, "bbPrev", u"Назад", 364, 133},
    {&TfrmMain::bbNext, "bbNext", u"Далее", 503, 133},
}};
constexpr int kButtonY = 6;
constexpr int kButtonHeight = 25;

bool IsTabSwitchingKey(const QKeyEvent &key) {
  if (!(key.modifiers() & Qt::ControlModifier))
    return false;
  switch (key.key()) {
  case Qt::Key_Tab:
  case Qt::Key_Backtab:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
    return true;
  default:
    return false;
  }
}

} // namespace

TfrmMain::TfrmMain(Wizard &wizard, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_wizard(wizard) {
  m_wizard.setHost(this);
  buildFrame();
  buildQuestionPages();
  buildAreaPage();
  buildPalettePage();
  buildOfferPage();
  buildBottomPanel();
  connectHandlers();
  refresh();
}

TfrmMain::~TfrmMain() {
  m_wizard.setHost(nullptr);
}

void TfrmMain::setWindows(TfrmAboutArm &frmAboutArm, TfrmPUColor &frmPUColor, TfrmZakaz &frmZakaz) {
  m_frmAboutArm = &frmAboutArm;
  m_frmPUColor = &frmPUColor;
  m_frmZakaz = &frmZakaz;
}

void TfrmMain::buildFrame() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kCaption);
  setFont(UiFonts::base());
  setFixedSize(kWidth, kHeight);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kWidth, kBannerHeight);
  Image1->setPixmap(Pictures::banner());

  pcMain = new PageControl(this);
  pcMain->setObjectName(QStringLiteral("pcMain"));
  pcMain->setGeometry(0, kBannerHeight, kWidth, kHeight - kBannerHeight - kBottomHeight);
  const std::array<std::pair<QWidget * TfrmMain::*, const char *>, kPageCount> sheets{{
      {&TfrmMain::tsTipRabot, "tsTipRabot"},
      {&TfrmMain::tsObject, "tsObject"},
      {&TfrmMain::tsMaterial, "tsMaterial"},
      {&TfrmMain::tsTemperature, "tsTemperature"},
      {&TfrmMain::tsS, "tsS"},
      {&TfrmMain::tsColor, "tsColor"},
      {&TfrmMain::tsOut, "tsOut"},
  }};
  for (int page = 0; page < kPageCount; ++page) {
    const auto &[member, name] = sheets[static_cast<std::size_t>(page)];
    QWidget *sheet = new QWidget;
    sheet->setObjectName(QLatin1String(name));
    this->*member = sheet;
    pcMain->addTab(sheet, m_wizard.pages.tabCaption(page));
  }
}

void TfrmMain::buildBottomPanel() {
  pnlBottom = new QFrame(this);
  pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
  pnlBottom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlBottom->setGeometry(0, kHeight - kBottomHeight, kWidth, kBottomHeight);
  for (const BottomButton &spec : kBottomButtons) {
    auto *button = new QPushButton(QString::fromUtf16(spec.caption), pnlBottom);
    button->setObjectName(QLatin1String(spec.name));
    button->setGeometry(spec.x, kButtonY, spec.width, kButtonHeight);
    button->setAutoDefault(false);
    this->*spec.member = button;
  }
  btnDop->hide();
  btnPUColor->hide();
}

void TfrmMain::connectHandlers() {
  connect(bbNext, &QPushButton::clicked, this, [this] { handle([this] { bbNextClick(); }); });
  connect(bbPrev, &QPushButton::clicked, this, [this] { handle([this] { bbPrevClick(); }); });
  connect(btnDop, &QPushButton::clicked, this, [this] { handle([this] { btnDopClick(); }); });
  connect(btnPUColor, &QPushButton::clicked, this, [this] { handle([this] { btnPUColorClick(); }); });

  const std::array<std::pair<RadioGroup *, AnswerList Questionnaire::*>, 5> groups{{
      {rgTipRabot, &Questionnaire::rgTipRabot},
      {rgVidObj, &Questionnaire::rgVidObj},
      {rgMaterial, &Questionnaire::rgMaterial},
      {rgTemperature, &Questionnaire::rgTemperature},
      {rgOgneStoi, &Questionnaire::rgOgneStoi},
  }};
  for (const auto &[group, list] : groups) {
    connect(group, &RadioGroup::itemClicked, this,
            [this, list = list](int index) { handle([this, list, index] { (m_wizard.pages.*list).select(index); }); });
  }
  for (int n = 1; n <= kPaletteSize; ++n) {
    connect(rbCol[static_cast<std::size_t>(n - 1)], &QRadioButton::clicked, this,
            [this, n] { handle([this, n] { rbColClick(n); }); });
  }

  // The offer view's events only show things and record the line: no model operation,
  // so nothing to refresh.
  connect(reOut, &OfferView::mouseEntered, this, [this] { RunGuarded(this, [this] { reOutMouseEnter(); }); });
  connect(reOut, &OfferView::mouseLeft, this, [this] { RunGuarded(this, [this] { reOutMouseLeave(); }); });
  connect(reOut, &OfferView::mouseMoved, this, [this] { RunGuarded(this, [this] { reOutMouseMove(); }); });
  // The caret line is also taken right after a click, so a click without a later
  // movement still records the line that was clicked.
  const auto clickOnOffer = [this] {
    RunGuarded(this, [this] {
      reOutMouseMove();
      reOutDblClick();
    });
  };
  connect(reOut, &OfferView::clicked, this, clickOnOffer);
  connect(reOut, &OfferView::doubleClicked, this, clickOnOffer);

  // pcMainChanging: the tabs are for reading only; only the two buttons change the page.
  pcMain->tabBar()->installEventFilter(this);
  pcMain->installEventFilter(this);
  connect(pcMain, &QTabWidget::currentChanged, this, [this](int index) {
    if (!m_showingPage && index != m_wizard.shownPage())
      refresh();
  });
}

template <typename Handler> void TfrmMain::handle(Handler &&handler) {
  RunGuarded(this, [this, &handler] {
    handler();
    refresh();
  });
}

bool TfrmMain::pcMainChanging(const QEvent &event) const {
  switch (event.type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::Wheel:
    return true;
  case QEvent::KeyPress: {
    const auto &key = static_cast<const QKeyEvent &>(event);
    // Tab and Shift+Tab still move the focus on.
    return key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
  }
  default:
    return false;
  }
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event) {
  if (watched == pcMain->tabBar() && pcMainChanging(*event))
    return true;
  if (watched == pcMain && event->type() == QEvent::KeyPress &&
      IsTabSwitchingKey(static_cast<const QKeyEvent &>(*event)))
    return true;
  return QWidget::eventFilter(watched, event);
}

void TfrmMain::refresh() {
  m_showingPage = true;
  pcMain->setCurrentIndex(m_wizard.shownPage());
  m_showingPage = false;
  for (int page = 0; page < kPageCount; ++page)
    pcMain->setTabText(page, m_wizard.pages.tabCaption(page));
  refreshLists();
  if (medS->text() != m_wizard.pages.medSText)
    medS->setText(m_wizard.pages.medSText);
  bbNext->setText(m_wizard.nextCaption());
  btnDop->setVisible(m_wizard.buttons.btnDop);
  btnPUColor->setVisible(m_wizard.buttons.btnPUColor);
  refreshPalette();
}

void TfrmMain::bbNextClick() {
  m_wizard.pages.medSText = medS->text();
  m_wizard.bbNextClick();
}

void TfrmMain::bbPrevClick() {
  m_wizard.pages.medSText = medS->text();
  m_wizard.bbPrevClick();
}

void TfrmMain::btnDopClick() {
  if (m_frmAboutArm)
    m_frmAboutArm->exec();
}

void TfrmMain::btnPUColorClick() {
  if (!m_frmPUColor)
    return;
  const int picked = m_frmPUColor->choose();
  m_wizard.puColourPickerClosed(picked);
}

void TfrmMain::showMessage(const QString &text) {
  Dialogs::showMessage(this, text);
}
