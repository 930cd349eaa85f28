#include "frm_zakaz.h"

#include "frm_main.h"
#include "order_lists.h"
#include "phone_edit.h"
#include "ui_fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 570;
constexpr int kClientHeight = 608;
constexpr int kLeft = 8;
constexpr int kFieldWidth = 553;
constexpr int kLabelHeight = 16;
constexpr int kLabelGap = 2;
constexpr int kFieldHeight = 21;
constexpr int kAddressHeight = 97;
constexpr int kRowGap = 8;
constexpr int kFirstRowY = 62;
constexpr int kTitlePixelSize = 15;
constexpr int kLabelledPixelSize = 13;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 30;

class MainWindowOrigin : public OrderOrigin {
public:
  explicit MainWindowOrigin(const TfrmMain &frmMain) : m_frmMain(frmMain) {}
  int liLineNum() const override { return m_frmMain.liLineNum(); }
  const OfferDocument &offer() const override { return m_frmMain.wizard().offer; }
  QString caption() const override { return m_frmMain.windowTitle(); }

private:
  const TfrmMain &m_frmMain;
};

// Lays out the column of labels and fields from top to bottom.
class ColumnLayout {
public:
  explicit ColumnLayout(QWidget *form) : m_form(form) {}

  QLabel *label(const QString &text, const QFont &font) {
    auto *label = new QLabel(text, m_form);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setGeometry(kLeft, m_y, kFieldWidth, kLabelHeight);
    m_y += kLabelHeight + kLabelGap;
    return label;
  }
  template <typename Field> Field *field(Field *widget, const char *name, int height = kFieldHeight) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(kLeft, m_y, kFieldWidth, height);
    m_y += height + kRowGap;
    return widget;
  }
  int y() const { return m_y; }

private:
  QWidget *m_form;
  int m_y = kFirstRowY;
};

} // namespace

TfrmZakaz::TfrmZakaz(TfrmMain &frmMain) : TfrmZakaz(std::make_unique<MainWindowOrigin>(frmMain), nullptr, &frmMain) {}

TfrmZakaz::TfrmZakaz(const OrderOrigin &origin, QWidget *parent) : TfrmZakaz(nullptr, &origin, parent) {}

TfrmZakaz::TfrmZakaz(std::unique_ptr<OrderOrigin> ownOrigin, const OrderOrigin *origin, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_ownOrigin(std::move(ownOrigin)), m_origin(m_ownOrigin ? *m_ownOrigin : *origin) {
  setObjectName(QStringLiteral("frmZakaz"));
  setWindowTitle(QStringLiteral("Отправить заказ"));
  setFont(UiFonts::base());
  setFixedSize(kClientWidth, kClientHeight);
  setModal(false);
  buildFields();
  connectHandlers();
}

TfrmZakaz::~TfrmZakaz() = default;

void TfrmZakaz::buildFields() {
  Label1 = new QLabel(QStringLiteral("Оформление заказа :"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(UiFonts::pixels(kTitlePixelSize, true));
  Label1->setGeometry(kLeft, 8, kFieldWidth, 20);
  Label2 = new QLabel(QStringLiteral("Поля, отмеченные звёздочкой *, обязательны для заполнения."), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(UiFonts::pixels(kLabelledPixelSize));
  Label2->setGeometry(kLeft, 34, kFieldWidth, kLabelHeight);

  const QFont labelled = UiFonts::pixels(kLabelledPixelSize);
  ColumnLayout column(this);
  const auto labelledEdit = [&](QLabel *&label, const QString &caption, const char *name, int height = kFieldHeight) {
    label = column.label(caption, labelled);
    auto *edit = column.field(new QLineEdit(this), name, height);
    edit->setFont(labelled);
    label->setBuddy(edit);
    return edit;
  };
  const auto comboBox = [&](const char *name, const QStringList &items) {
    auto *box = column.field(new QComboBox(this), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(8);
    box->addItems(items);
    return box;
  };

  lbledName = labelledEdit(lbledNameLabel, QStringLiteral("Имя *"), "lbledName");
  lbledSurName = labelledEdit(lbledSurNameLabel, QStringLiteral("Фамилия"), "lbledSurName");
  lbledEMail = labelledEdit(lbledEMailLabel, QStringLiteral("E-mail *"), "lbledEMail");
  lbledCompany = labelledEdit(lbledCompanyLabel, QStringLiteral("Название компании (для юр. лиц)"), "lbledCompany");
  Label5 = column.label(QStringLiteral("Телефон *"), font());
  medTel = column.field(new PhoneEdit(this), "medTel");
  Label3 = column.label(QStringLiteral("Страна *"), font());
  cbCountry = comboBox("cbCountry", PhoneCountryNames());
  Label4 = column.label(QStringLiteral("Область (Город)"), font());
  cbCity = comboBox("cbCity", OrderRegions());
  lbledCity = labelledEdit(lbledCityLabel, QStringLiteral("Город"), "lbledCity");
  lbledAdres = labelledEdit(lbledAdresLabel, QStringLiteral("Адрес"), "lbledAdres", kAddressHeight);
  lbledAdres->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  bbNext = new QPushButton(QStringLiteral("Заказать"), this);
  bbNext->setObjectName(QStringLiteral("bbNext"));
  bbNext->setAutoDefault(false);
  bbNext->setGeometry(kLeft + kFieldWidth - kButtonWidth, column.y(), kButtonWidth, kButtonHeight);

  cbCountry->setCurrentIndex(kDefaultPhoneCountry);
  cbCity->setCurrentIndex(0);
  medTel->setMaskTemplate(MaskTemplate(QString::fromUtf16(PhoneCountries()[kDefaultPhoneCountry].editMask)));

  QWidget *previous = lbledName;
  for (QWidget *next :
       {static_cast<QWidget *>(lbledSurName), static_cast<QWidget *>(lbledEMail), static_cast<QWidget *>(lbledCompany),
        static_cast<QWidget *>(medTel), static_cast<QWidget *>(cbCountry), static_cast<QWidget *>(cbCity),
        static_cast<QWidget *>(lbledCity), static_cast<QWidget *>(lbledAdres), static_cast<QWidget *>(bbNext)}) {
    setTabOrder(previous, next);
    previous = next;
  }
  lbledName->setFocus(Qt::OtherFocusReason);
}

void TfrmZakaz::connectHandlers() {
  connect(cbCountry, &QComboBox::currentIndexChanged, this, [this] { cbCountryChange(); });
  connect(cbCountry, &QComboBox::editTextChanged, this, [this] { cbCountryChange(); });
  connect(bbNext, &QPushButton::clicked, this, [this] { bbNextClick(); });
}

OrderFields TfrmZakaz::fields() const {
  return OrderFields{lbledName->text(),   lbledSurName->text(),     lbledEMail->text(),    lbledCompany->text(),
                     medTel->fieldText(), cbCountry->currentText(), cbCity->currentText(), lbledAdres->text()};
}
