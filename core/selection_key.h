#pragma once

#include <QString>

// The key by which an answer is recognised: `count` characters of the
// upper-cased text from 1-based position `start`; a short text yields what
// exists (possibly nothing), never padding.
QString SelectionKey(const QString &text, int start, int count);

// text.toUpper().left(count): unlike SelectionKey, upper-cases before it cuts.
QString UpperCasedPrefix(const QString &text, int count);
