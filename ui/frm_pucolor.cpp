#include "frm_pucolor.h"

#include "clickable_label.h"
#include "handler_guard.h"
#include "pictures.h"
#include "swatch_grid.h"
#include "ui_fonts.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kBorder = 1;
constexpr int kClientWidth = 432;
constexpr int kClientHeight = 248;
constexpr int kRows = 5;
constexpr std::array<int, 3> kColumnX{3, 131, 259};
constexpr int kLabelGap = 4;     // between a swatch and its name
constexpr int kLabelWidth = 74;  // names that do not fit wrap onto a second line
constexpr int kScaledEntry = 13; // its picture is scaled into the frame

} // namespace

TfrmPUColor::TfrmPUColor(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), bbCancel(nullptr) {
  setObjectName(QStringLiteral("frmPUColor"));
  setFont(UiFonts::base());
  setFixedSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);

  auto *panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(kBorder, kBorder, kClientWidth, kClientHeight);

  for (int n = 1; n <= kPUColourCount; ++n) {
    const int index = n - 1;
    const QRect frame = SwatchGrid::Frame(index, kRows, kColumnX);
    const PUColour &colour = PUColours()[static_cast<std::size_t>(index)];

    auto *img = new ClickableLabel(panel);
    SwatchGrid::PlaceSwatch(img, n, frame);
    img->setScaledContents(n == kScaledEntry);
    img->setPixmap(Pictures::puSwatch(n));
    img->setCursor(Qt::PointingHandCursor);

    auto *lbl = new ClickableLabel(QString::fromUtf16(colour.label), panel);
    lbl->setObjectName(QStringLiteral("lblCol%1").arg(n));
    lbl->setGeometry(frame.x() + frame.width() + kLabelGap, frame.y(), kLabelWidth, frame.height());
    lbl->setTextFormat(Qt::PlainText);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbl->setCursor(Qt::PointingHandCursor);

    for (ClickableLabel *control : {img, lbl}) {
      connect(control, &ClickableLabel::clicked, this,
              [this, control] { RunGuarded(this, [this, control] { imgColClick(control); }); });
    }
    imgCol[static_cast<std::size_t>(index)] = img;
    lblCol[static_cast<std::size_t>(index)] = lbl;
  }

  bbCancel = new QPushButton(QStringLiteral("Отмена"), panel);
  bbCancel->setObjectName(QStringLiteral("bbCancel"));
  bbCancel->setGeometry(347, 216, 75, 25);
  connect(bbCancel, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { bbCancelClick(); }); });
}

int TfrmPUColor::choose() {
  m_picked = 0;
  exec();
  return m_picked;
}

// The entry number is part of the control's name, so one handler serves all 26.
void TfrmPUColor::imgColClick(const QObject *sender) {
  const int n = PUColourNumberFromControlName(sender->objectName());
  if (n < 1 || n > kPUColourCount)
    return;
  m_picked = n;
  accept();
}

void TfrmPUColor::bbCancelClick() {
  m_picked = 0;
  reject();
}

void TfrmPUColor::paintEvent(QPaintEvent *event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
