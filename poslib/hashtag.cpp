#include "hashtag.h"

namespace PosLib {

QString HashTag::getButtonCaption() const
{
    return getString("buttoncaption");
}

void HashTag::setButtonCaption(const QString& caption)
{
    setOrRemove("buttoncaption", caption, QString());
}

QString HashTag::getTag() const
{
    return getString("tag");
}

void HashTag::setTag(const QString& tag)
{
    setOrRemove("tag", tag, QString());
}

} // namespace PosLib
