#include "frm_about_arm.h"

#include "arm_article.h"
#include "dialogs.h"
#include "handler_guard.h"
#include "ui_fonts.h"

#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr int kWidth = 579;
constexpr int kHeight = 456;
constexpr int kArticleHeight = 426;
// One pixel smaller than the window font, so that the longest article line fits the
// width and all 33 lines fit the height, as they were written to.
constexpr int kArticlePixelSize = 10;

} // namespace

TfrmAboutArm::TfrmAboutArm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      reDop(new QTextEdit(this)), spbtnGO(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmAboutArm"));
  setWindowTitle(QStringLiteral("Подробнее об Армировании"));
  setFont(UiFonts::base());
  setFixedSize(kWidth, kHeight);

  reDop->setObjectName(QStringLiteral("reDop"));
  reDop->setGeometry(0, 0, kWidth, kArticleHeight);
  reDop->setReadOnly(true);
  reDop->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  reDop->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The article is meant to fit; a scroll bar appears only if a font makes it longer.
  reDop->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  reDop->setLineWrapMode(QTextEdit::WidgetWidth);
  reDop->setUndoRedoEnabled(false);
  reDop->document()->setDefaultFont(UiFonts::pixels(kArticlePixelSize));
  reDop->setPlainText(ArmArticleLines().join(QLatin1Char('\n')));

  spbtnGO->setObjectName(QStringLiteral("spbtnGO"));
  spbtnGO->setGeometry(0, kArticleHeight, kWidth, kHeight - kArticleHeight);
  spbtnGO->setText(QStringLiteral("Полная версия статьи об армировании"));
  spbtnGO->setFlat(true);
  spbtnGO->setCursor(Qt::PointingHandCursor);
  spbtnGO->setAutoDefault(false);
  QFont link = UiFonts::base();
  link.setUnderline(true);
  spbtnGO->setFont(link);
  spbtnGO->setStyleSheet(QStringLiteral("QPushButton { color: blue; border: none; }"));
  connect(spbtnGO, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { spbtnGOClick(); }); });
}

void TfrmAboutArm::spbtnGOClick() {
  Dialogs::openUrl(ArmArticleUrl());
}
