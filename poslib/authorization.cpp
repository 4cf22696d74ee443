#include "authorization.h"

namespace PosLib {

QString Authorization::getDescription() const
{
    return getString("description");
}

void Authorization::setDescription(const QString& description)
{
    setOrRemove("description", description, QString());
}

} // namespace PosLib
