#pragma once

#include <QString>

// The contact fields of the order form, as typed (never trimmed): what the
// required-field test, the e-mail body and the subject read.
struct OrderFields {
  QString name;
  QString surname;
  QString email;
  QString company;
  QString phone;   // the masked field's text: literals, digits, a blank per unfilled digit
  QString country; // the country box's text
  QString region;  // the region box's text
  QString address;
};
