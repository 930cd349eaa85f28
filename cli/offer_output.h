#pragma once

#include "offer_document.h"

#include <QByteArray>

// The offer as tintora-offer prints it.
QByteArray OfferAsText(const OfferDocument &doc); // one line per document line, UTF-8
QByteArray OfferAsJson(const OfferDocument &doc); // [{"text","color","bold","size"}, ...]
