#include "tdiscount.h"

namespace PosLib {

double TDiscount::getRate() const
{
    return getDouble("rate", 0.0);
}

void TDiscount::setRate(double rate)
{
    if (rate == 0.0)
        remove("rate");
    else
        set("rate", rate);
}

int TDiscount::getArticle() const
{
    return getInt("article", 0);
}

void TDiscount::setArticle(int id)
{
    setOrRemove("article", id, 0);
}

bool TDiscount::getInOrder() const
{
    return getBool("inorder");
}

void TDiscount::setInOrder(bool on)
{
    setFlag("inorder", on);
}

bool TDiscount::getAbsolut() const
{
    return getBool("absolut");
}

void TDiscount::setAbsolut(bool on)
{
    setFlag("absolut", on);
}

bool TDiscount::getUseActualPrice() const
{
    return getBool("useactualprice");
}

void TDiscount::setUseActualPrice(bool on)
{
    setFlag("useactualprice", on);
}

bool TDiscount::getAllowNegative() const
{
    return getBool("allownegative");
}

void TDiscount::setAllowNegative(bool on)
{
    setFlag("allownegative", on);
}

bool TDiscount::getSuppressReason() const
{
    return getBool("suppressreason");
}

void TDiscount::setSuppressReason(bool on)
{
    setFlag("suppressreason", on);
}

bool TDiscount::getUseNetAmounts() const
{
    return getBool("usenetamounts");
}

void TDiscount::setUseNetAmounts(bool on)
{
    setFlag("usenetamounts", on);
}

bool TDiscount::getHideInList() const
{
    return getBool("hideinlist");
}

void TDiscount::setHideInList(bool on)
{
    setFlag("hideinlist", on);
}

int TDiscount::getRounding() const
{
    return getInt("rounding", NoRounding);
}

void TDiscount::setRounding(int rounding)
{
    setOrRemove("rounding", rounding, int(NoRounding));
}

} // namespace PosLib
