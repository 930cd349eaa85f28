#pragma once

#include <QString>

// The main window's caption. The order e-mail takes its version tag from it
// ("20220618"), so the window and the order read the same constant.
inline const QString kMainCaption = QStringLiteral("Программа по подбору Продукции ГК ЛРС \"Ладомир\" 20220618");
