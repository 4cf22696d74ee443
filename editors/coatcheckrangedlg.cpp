#include "coatcheckrangedlg.h"

#include "tlistnames.h"

using PosLib::CoatCheckRange;

CoatCheckRangeDlg::CoatCheckRangeDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "CoatCheckRangeDlg")
{
}

void CoatCheckRangeDlg::initData()
{
    // Begin, end and mode are shown from the first range and go into every selected one.
    fields()
        .text(NameField, &CoatCheckRange::getName, &CoatCheckRange::setName)
        .spin(RangeBeginField, &CoatCheckRange::getBegin, &CoatCheckRange::setBegin, {.shownFromFirst = true})
        .spin(RangeEndField, &CoatCheckRange::getEnd, &CoatCheckRange::setEnd, {.shownFromFirst = true})
        .radio(CheckoutModeGroup, &CoatCheckRange::getMode, &CoatCheckRange::setMode,
               {.shownFromFirst = true});
}

void CoatCheckRangeDlg::showRecord(const CoatCheckRange& reference)
{
    TEditorDialog::showRecord(reference);
    UpdateArticles();
}

void CoatCheckRangeDlg::CheckBeginValue(int begin)
{
    if (begin > RangeEndField->value())
        RangeEndField->setValue(begin + 1);
}

void CoatCheckRangeDlg::CheckEndValue(int end)
{
    if (end < RangeBeginField->value())
        RangeBeginField->setValue(RangeBeginField->value() + 1);
    // At the top of the numbers the begin cannot move up: the end follows it.
    if (RangeEndField->value() < RangeBeginField->value())
        RangeEndField->setValue(RangeBeginField->value());
}

void CoatCheckRangeDlg::UpdateArticles()
{
    ArticlesBox->clear();
    const Basics::TValueList* articles = workspaceList(PosLib::Lists::articles);
    if (!articles)
        return;
    const int range = NumberField->value();
    for (const Basics::TValue* article : *articles) {
        if (article->contains("coatcheckrangeid") && article->getInt("coatcheckrangeid") == range)
            ArticlesBox->addItem(tr("PLU %1 - %2").arg(article->getID()).arg(article->getName()));
    }
}
