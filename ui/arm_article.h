#pragma once

#include <QStringList>
#include <QUrl>

// The short article on reinforcement, one entry per line (trailing blanks belong to it).
const QStringList &ArmArticleLines();
// Where the full version of the article lives.
QUrl ArmArticleUrl();
