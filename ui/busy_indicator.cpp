#include "busy_indicator.h"

#include "ui_fonts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 300;

} // namespace

BusyIndicator::BusyIndicator(QWidget *parent, const QString &text)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("busyIndicator"));
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(text);
  setFont(UiFonts::base());
  auto *layout = new QVBoxLayout(this);
  auto *label = new QLabel(text, this);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  auto *bar = new QProgressBar(this);
  bar->setRange(0, 0); // no measure of progress: a bar that keeps moving
  bar->setTextVisible(false);
  layout->addWidget(label);
  layout->addWidget(bar);
  setFixedWidth(kWidth);
}

void BusyIndicator::closeEvent(QCloseEvent *event) {
  event->ignore();
}

void BusyIndicator::keyPressEvent(QKeyEvent *event) {
  event->accept();
}
