#include "tcostcenter.h"

namespace PosLib {

QString TCostCenter::getAccount() const
{
    return getString("account");
}

void TCostCenter::setAccount(const QString& account)
{
    setOrRemove("account", account, QString());
}

} // namespace PosLib
