#pragma once

#include "offer_document.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The offer lines as an RTF document (pure ASCII): a font table, a colour table and one
// paragraph per line that states the line's own font, size, colour and weight.
QByteArray WriteOfferRtf(const std::vector<OfferLine> &lines);

// `text` as RTF body text: \ { } escaped, a tab as \tab, every other character outside
// printable ASCII as \uN with its windows-1251 byte (or ?) as the fallback for \uc1 readers.
QByteArray RtfEscapedText(const QString &text);
