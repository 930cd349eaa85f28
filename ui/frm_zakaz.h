#pragma once

#include "mail_message.h"
#include "order_fields.h"
#include "smtp_client.h"

#include <QDialog>
#include <QString>
#include <memory>

class OfferDocument;
class PhoneEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmMain;

// What the order form reads from the main window when an order goes: the offer
// line the user picked, the offer, and the caption with its version tag.
class OrderOrigin {
public:
  virtual ~OrderOrigin() = default;
  virtual int liLineNum() const = 0;
  virtual const OfferDocument &offer() const = 0;
  virtual QString caption() const = 0;
};

// The order form: modeless, shown by a click on the offer. It checks the name,
// e-mail and phone fields as the user leaves them (the focus stays until they
// pass), and "Заказать" e-mails the variant around the main window's liLineNum.
// Its fields are never cleared.
class TfrmZakaz : public QDialog {
  Q_OBJECT
public:
  explicit TfrmZakaz(TfrmMain &frmMain);
  TfrmZakaz(const OrderOrigin &origin, QWidget *parent);
  ~TfrmZakaz() override;

  QLabel *Label1;
  QLabel *Label2;
  QLabel *lbledNameLabel;
  QLineEdit *lbledName;
  QLabel *lbledSurNameLabel;
  QLineEdit *lbledSurName;
  QLabel *lbledEMailLabel;
  QLineEdit *lbledEMail;
  QLabel *lbledCompanyLabel;
  QLineEdit *lbledCompany;
  QLabel *Label5;
  PhoneEdit *medTel;
  QLabel *Label3;
  QComboBox *cbCountry;
  QLabel *Label4;
  QComboBox *cbCity;
  QLabel *lbledCityLabel;
  QLineEdit *lbledCity;
  QLabel *lbledAdresLabel;
  QLineEdit *lbledAdres;
  QPushButton *bbNext;

  // The contact fields as the order reads them.
  OrderFields fields() const;

  // The checks on leaving a field: true when the focus may go; otherwise the
  // message has been shown and the focus is (still) in the field.
  bool lbledNameExit();
  bool lbledEMailExit();
  bool medTelExit();
  void cbCountryChange();
  void bbNextClick();

protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  TfrmZakaz(std::unique_ptr<OrderOrigin> ownOrigin, const OrderOrigin *origin, QWidget *parent);
  void buildFields();
  void connectHandlers();
  // Runs the exit check of the field that has the focus, if it has one.
  bool mayLeaveFocusedField();
  // Would a press at `pos` (in this window) move the focus to another widget?
  bool pressMovesFocus(const QPoint &pos) const;
  bool refuseIncompletePhone();
  // `ok` when the field passed its check; otherwise shows `message` and keeps the focus in it.
  bool checkOnLeaving(QWidget *field, bool ok, const QString &message);
  void placeOrder();
  void report(const QString &text);

  std::unique_ptr<OrderOrigin> m_ownOrigin;
  const OrderOrigin &m_origin;
  bool m_windowWatched = false;
  bool m_swallowRelease = false;

  MailMessage IdMessage;
  SmtpClient IdSMTP; // with its TLS layer
};
