#pragma once

#include "order_fields.h"

#include <QString>

// The order form's field checks: on leaving a field, and before an order goes.

inline const QString kEmptyFieldMessage = QStringLiteral("Это поле ввода не может быть пустым.");
inline const QString kBadEMailMessage =
    QStringLiteral("Введён некорректный e-mail. Исправьте адрес электронной почты.");
inline const QString kBadPhoneMessage = QStringLiteral("Проверьте правильность ввода номера телефона.");
inline const QString kRequiredFieldsMessage =
    QStringLiteral("Не все обязательные поля заполнены. Заполните поля со звёздочкой для оформления заказа.");

// A complete Russian number, "+7(999)999-9999"; the bar for every country.
inline constexpr int kPhoneMinLength = 15;

// The text without blanks and control characters at either end.
QString TrimBlanksAndControls(const QString &text);

// Every character an ASCII letter, an ASCII digit, ".", "_" or "-" ("" passes).
bool EMailCharsOk(const QString &text);
// The e-mail syntax check, on the text as typed.
bool CheckEMail(const QString &text);

// The tests on leaving the name, e-mail and phone fields: true when the field
// may be left.
bool NameFieldOk(const QString &name);
bool EMailFieldOk(const QString &email);
bool PhoneFieldOk(const QString &phone);

// Name, e-mail and phone filled: what "Заказать" demands before anything else.
bool RequiredFieldsFilled(const OrderFields &fields);
