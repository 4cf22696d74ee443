#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

namespace PosLib {

// A hash tag offered on the point-of-sale screen: the tag and the caption of its button.
class BASICS_EXPORT HashTag : public Basics::TValue {
public:
    QString getButtonCaption() const;              // "buttoncaption"
    void setButtonCaption(const QString& caption); // removed when empty
    QString getTag() const;                        // "tag"
    void setTag(const QString& tag);               // removed when empty
};

} // namespace PosLib
