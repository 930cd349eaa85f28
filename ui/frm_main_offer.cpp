// Page 6: the offer, the hint above it, picking a variant, and saving.
#include "frm_main.h"

#include "dialogs.h"
#include "frm_zakaz.h"
#include "offer_view.h"
#include "ui_fonts.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kTopPanelHeight = 41;
constexpr int kHintPixelSize = 15;
const QString kSaved = QStringLiteral("Файл сохранен.");

} // namespace

void TfrmMain::buildOfferPage() {
  pnlTop = new QFrame(tsOut);
  pnlTop->setObjectName(QStringLiteral("pnlTop"));

  lblHint = new QLabel(QStringLiteral("Кликните мышкой на понравившемся Вам варианте для оформления заказа:"), pnlTop);
  lblHint->setObjectName(QStringLiteral("lblHint"));
  lblHint->setTextFormat(Qt::PlainText);
  lblHint->setFont(UiFonts::pixels(kHintPixelSize, true));
  lblHint->adjustSize();
  lblHint->move(3, (kTopPanelHeight - lblHint->height()) / 2);
  lblHint->hide();

  pnlTop->setFixedHeight(kTopPanelHeight);

  reOut = new OfferView(tsOut);
  reOut->setObjectName(QStringLiteral("reOut"));

  // The panel across the top, the offer filling the rest of the page.
  auto *layout = new QVBoxLayout(tsOut);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pnlTop);
  layout->addWidget(reOut, 1);
}

void TfrmMain::reOutMouseEnter() {
  lblHint->show();
  reOut->setHandCursor(true);
}

void TfrmMain::reOutMouseLeave() {
  lblHint->hide();
  reOut->setHandCursor(false);
}

void TfrmMain::reOutMouseMove() {
  m_liLineNum = reOut->caretLine();
}

// A click, or a double click, on the offer opens the order form, or brings it forward.
void TfrmMain::reOutDblClick() {
  if (!m_frmZakaz)
    return;
  m_frmZakaz->show();
  m_frmZakaz->raise();
  m_frmZakaz->activateWindow();
}

void TfrmMain::offerComposed() {
  reOut->showDocument(m_wizard.offer);
}

void TfrmMain::saveRequested() {
  const QString fileName = Dialogs::getSaveFileName(this);
  if (fileName.isEmpty())
    return;
  QString error;
  if (!m_wizard.offer.saveToFile(fileName, &error)) {
    Dialogs::showMessage(this, error);
    return;
  }
  Dialogs::showMessage(this, kSaved);
}
