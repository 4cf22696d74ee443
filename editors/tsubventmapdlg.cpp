#include "tsubventmapdlg.h"

#include "tpayform.h"
#include "tprompts.h"

using PosLib::TSubventMap;

TSubventMapDlgBase::TSubventMapDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(m_SubventId, &QComboBox::currentTextChanged, this, &TSubventMapDlgBase::onChange);
    connect(m_PayformId, &QComboBox::currentTextChanged, this, &TSubventMapDlgBase::payformchanged);
}

void TSubventMapDlgBase::onChange()
{
    buttonOk->setEnabled(!m_SubventId->currentText().isEmpty());
}

TSubventMapDlg::TSubventMapDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TSubventMapDlg")
{
}

void TSubventMapDlg::initData()
{
    QtWidgets::TComboBox& payforms =
        chooser(m_PayformId, 3, PosLib::TListNames::of<PosLib::TPayform>().root, tr("not specified"), true);
    QtWidgets::TComboBox& subventions = chooser(m_SubventId, 3, PosLib::Lists::subventions, QString(), true);
    QtWidgets::TComboBox& types = chooser(m_SubventType, 1, QString(), QString(), true);
    fillTypes(types);
    fields()
        .text(NameBox, &TSubventMap::getName, &TSubventMap::setName)
        .text(m_PayformName, &TSubventMap::getPayformName, &TSubventMap::setPayformName)
        .spin(
            m_MaxSubvent, [](const TSubventMap& map) { return int(map.getMaxSubvent()); },
            [](TSubventMap& map, int count) { map.setMaxSubvent(uint(count)); })
        .combo(subventions, &TSubventMap::getSubventId, &TSubventMap::setSubventId)
        .combo(types, &TSubventMap::getSubventType, &TSubventMap::setSubventType)
        .combo(payforms, &TSubventMap::getPayformId, &TSubventMap::setPayformId);
}

void TSubventMapDlg::fillTypes(QtWidgets::TComboBox& types)
{
    types.clear();
    types.insertItem(TSubventMap::PerDay, tr("per day"));
    types.insertItem(TSubventMap::PerWeek, tr("per week"));
    types.insertItem(TSubventMap::PerMonth, tr("per month"));
    types.insertItem(TSubventMap::PerYear, tr("per year"));
    m_SubventType->setCurrentIndex(0);
}

bool TSubventMapDlg::validate()
{
    const Basics::TValueList* subventions = workspaceList(PosLib::Lists::subventions);
    if (!subventions)
        return true;
    // What each record would be once written: a subvention left unchanged is the record's own.
    QList<TSubventMap> results;
    if (listView()) {
        for (const TSubventMap* record : selectedRecords(listView()))
            results << *record;
    } else {
        results << TSubventMap();
    }
    for (TSubventMap& result : results) {
        getData(&result);
        if (!subventions->find(result.getSubventId())) {
            prompts().critical(this, tr("Wrong Subvention"),
                               tr("There is no subvention selected or it does not exist."));
            return false;
        }
    }
    return true;
}

void TSubventMapDlg::payformchanged(const QString& text)
{
    // Only a chosen item names a payment form; a text typed to filter the items does not.
    if (!text.contains(QLatin1String(")  ")))
        return;
    const Basics::TValueList* payforms = workspaceList(PosLib::TListNames::of<PosLib::TPayform>().root);
    const Basics::TValue* payform = payforms ? payforms->find(QtWidgets::TComboBox::idOf(text)) : nullptr;
    if (payform)
        m_PayformName->setText(payform->getName());
}
