#pragma once

// Internal: the text-to-value conversions of TVariant on a view of the text, so that a record reads
// its numbers and flags where its texts lie, without a copy.

#include <QStringView>

namespace Basics::VariantText {

int toInt(QStringView text);
double toDouble(QStringView text);
bool toBool(QStringView text);

} // namespace Basics::VariantText
