#include "tcurrencydlg.h"

#include "tcurrencies.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>

using PosLib::TCurrency;

TCurrencyDlg::TCurrencyDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TCurrencyDlg")
{
}

void TCurrencyDlg::initData()
{
    m_DecPos->setValidator(new QIntValidator(-10, 10, m_DecPos));
    auto* rate = new QDoubleValidator(-999999.0, 999999.0, 5, m_Rate);
    rate->setNotation(QDoubleValidator::StandardNotation);
    rate->setLocale(QLocale::c()); // the rate is written with "." whatever the operator's locale
    m_Rate->setValidator(rate);

    // The typed rate is converted in double precision.
    fields()
        .text(m_Name, &TCurrency::getName, &TCurrency::setName)
        .text(m_Short, &TCurrency::getShortName, &TCurrency::setShortName)
        .decimal(m_Rate, &TCurrency::getRate, &TCurrency::setRate, 6)
        .check(m_Reverse, &TCurrency::getReverse, &TCurrency::setReverse)
        .integer(m_DecPos, &TCurrency::getDecPos, &TCurrency::setDecPos)
        .character(m_DecSign, &TCurrency::getDecChar, &TCurrency::setDecChar)
        .character(m_ThsSign, &TCurrency::getThsChar, &TCurrency::setThsChar)
        .check(m_Return, &TCurrency::getReturn, &TCurrency::setReturn)
        .check(m_IgnRounding, &TCurrency::getIgnRounding, &TCurrency::setIgnRounding);
}

void TCurrencyDlg::storeNew(Basics::TValueList* target, std::unique_ptr<TCurrency> currency)
{
    if (auto* currencies = qobject_cast<TCurrencies*>(target))
        currencies->addCurrency(currency.release());
    else
        target->put(currency.release());
}
