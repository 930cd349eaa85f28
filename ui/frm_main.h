#pragma once

#include "palette.h"
#include "wizard.h"

#include <QWidget>
#include <array>

class AreaEdit;
class OfferView;
class PageControl;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class RadioGroup;
class TfrmAboutArm;
class TfrmPUColor;
class TfrmZakaz;

// The wizard window. It shows the wizard model's pages, lists, offer and buttons,
// feeds it the user's clicks, and refreshes itself from it after each one; the
// rules themselves live in the model.
class TfrmMain : public QWidget, public WizardHost {
  Q_OBJECT
public:
  explicit TfrmMain(Wizard &wizard, QWidget *parent = nullptr);
  ~TfrmMain() override;

  // The windows that the buttons and the offer open (they are created after this one).
  void setWindows(TfrmAboutArm &frmAboutArm, TfrmPUColor &frmPUColor, TfrmZakaz &frmZakaz);

  const Wizard &wizard() const { return m_wizard; }
  // The offer line that held the caret at the last pointer movement over the offer.
  int liLineNum() const { return m_liLineNum; }

  // WizardHost
  void showMessage(const QString &text) override;
  void saveRequested() override;
  void offerComposed() override;

  QLabel *Image1;
  PageControl *pcMain;
  QWidget *tsTipRabot;
  QWidget *tsObject;
  QWidget *tsMaterial;
  QWidget *tsTemperature;
  QWidget *tsS;
  QWidget *tsColor;
  QWidget *tsOut;

  QLabel *Label1;
  RadioGroup *rgTipRabot;
  QLabel *lblVidObj;
  RadioGroup *rgVidObj;
  QLabel *lblMaterial;
  RadioGroup *rgMaterial;
  QLabel *lblTemperature;
  RadioGroup *rgTemperature;
  QLabel *lblPredel;
  RadioGroup *rgOgneStoi;
  QLabel *lblS;
  AreaEdit *medS;
  QLabel *lblKVM;

  std::array<QRadioButton *, kPaletteSize> rbCol{};
  std::array<QLabel *, kPaletteSize> imgCol{};

  QFrame *pnlTop;
  QLabel *lblHint;
  OfferView *reOut;

  QFrame *pnlBottom;
  QPushButton *btnDop;
  QPushButton *btnPUColor;
  QPushButton *bbPrev;
  QPushButton *bbNext;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void buildFrame();
  void buildQuestionPages();
  void buildAreaPage();
  void buildPalettePage();
  void buildOfferPage();
  void buildBottomPanel();
  void connectHandlers();

  // Runs a handler with exceptions reported, then shows the model's state.
  template <typename Handler> void handle(Handler &&handler);
  void refresh();
  void refreshLists();
  void refreshPalette();

  void bbNextClick();
  void bbPrevClick();
  void btnDopClick();
  void btnPUColorClick();
  void rbColClick(int n);
  void reOutMouseEnter();
  void reOutMouseLeave();
  void reOutMouseMove();
  void reOutDblClick();
  bool pcMainChanging(const QEvent &event) const;

  Wizard &m_wizard;
  TfrmAboutArm *m_frmAboutArm = nullptr;
  TfrmPUColor *m_frmPUColor = nullptr;
  TfrmZakaz *m_frmZakaz = nullptr;
  int m_liLineNum = 0;
  bool m_showingPage = false; // the window itself changes pcMain's page
};
