#include "tdiscountdlg.h"

#include <QRegularExpressionValidator>

using PosLib::TDiscount;

TDiscountDlg::TDiscountDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TDiscountDlg")
{
}

void TDiscountDlg::initData()
{
    // A number with at most five decimals, a point or a comma before them.
    m_Rate->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?\\d{0,9}([.,]\\d{0,5})?")), m_Rate));
    fields()
        .text(m_Name, &TDiscount::getName, &TDiscount::setName)
        .text(
            m_Rate, [this](const TDiscount& discount) { return rateText(discount); },
            [this](TDiscount& discount, const QString& text) { discount.setRate(rateOf(text, discount)); })
        .check(m_Absolute, &TDiscount::getAbsolut, &TDiscount::setAbsolut)
        .combo(chooser(m_Article, 5, PosLib::Lists::articles, tr("Not specified"), true),
               &TDiscount::getArticle, &TDiscount::setArticle)
        .check(m_Order, &TDiscount::getInOrder, &TDiscount::setInOrder)
        .check(m_UseActualPriceBox, &TDiscount::getUseActualPrice, &TDiscount::setUseActualPrice)
        .check(m_AllowNegative, &TDiscount::getAllowNegative, &TDiscount::setAllowNegative)
        .check(m_SuppressReason, &TDiscount::getSuppressReason, &TDiscount::setSuppressReason)
        .check(UseNetAmountsBox, &TDiscount::getUseNetAmounts, &TDiscount::setUseNetAmounts)
        .check(m_HideInList, &TDiscount::getHideInList, &TDiscount::setHideInList)
        .radio(m_RoundingGroup, &TDiscount::getRounding, &TDiscount::setRounding);
}

QString TDiscountDlg::rateText(const TDiscount& discount) const
{
    const double rate = discount.getRate();
    return discount.getAbsolut() ? LumDialogs::amountText(window(), qRound64(rate))
                                 : QString::number(rate, 'g', 10);
}

double TDiscountDlg::rateOf(const QString& text, const TDiscount& discount) const
{
    const bool absolute = TLumDlg::checkEmpty(m_Absolute) ? discount.getAbsolut() : m_Absolute->isChecked();
    if (absolute)
        return double(LumDialogs::amountOf(window(), text));
    QString number = text.trimmed();
    number.replace(u',', u'.');
    return number.toDouble();
}
