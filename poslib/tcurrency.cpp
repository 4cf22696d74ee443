#include "tcurrency.h"

namespace PosLib {

namespace {
constexpr char defaultDecChar = ',';
constexpr char defaultThsChar = '.';
} // namespace

double TCurrency::getRate() const
{
    return getDouble("rate", 1.0);
}

void TCurrency::setRate(double rate)
{
    set("rate", rate);
}

int TCurrency::getDecPos() const
{
    return getInt("decpos", 2);
}

void TCurrency::setDecPos(int decPos)
{
    set("decpos", decPos);
}

char TCurrency::getDecChar() const
{
    return get("decchar", defaultDecChar).toChar();
}

void TCurrency::setDecChar(char decChar)
{
    setOrRemove("decchar", decChar, defaultDecChar);
}

char TCurrency::getThsChar() const
{
    return get("thschar", defaultThsChar).toChar();
}

void TCurrency::setThsChar(char thsChar)
{
    setOrRemove("thschar", thsChar, defaultThsChar);
}

bool TCurrency::getReverse() const
{
    return getBool("reverse");
}

void TCurrency::setReverse(bool reverse)
{
    setFlag("reverse", reverse);
}

bool TCurrency::getReturn() const
{
    return getBool("return");
}

void TCurrency::setReturn(bool allowed)
{
    setFlag("return", allowed);
}

bool TCurrency::getIgnRounding() const
{
    return getBool("ignrounding");
}

void TCurrency::setIgnRounding(bool ignore)
{
    setFlag("ignrounding", ignore);
}

} // namespace PosLib
