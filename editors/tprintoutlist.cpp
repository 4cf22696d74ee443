#include "tprintoutlist.h"

#include "tlumworkspace.h"
#include "tprnprintdlg.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int codeRole = Qt::UserRole;
constexpr int codeBase = 1000;

const Basics::TValue* record(TLumWorkspace* workspace, const char* list, int id)
{
    const Basics::TValueList* values = workspace ? workspace->getData(QString::fromLatin1(list)) : nullptr;
    return values ? values->find(id) : nullptr;
}

} // namespace

TPrintoutList::TPrintoutList(Kind kind, TLumWorkspace* workspace, QTreeWidget* list, QPushButton* add,
                             QPushButton* edit, QPushButton* remove, QPushButton* clear)
    : m_kind(kind)
    , m_workspace(workspace)
    , m_list(list)
    , m_add(add)
    , m_edit(edit)
    , m_remove(remove)
    , m_clear(clear)
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnWidth(0, 260);
    updateButtons();
}

void TPrintoutList::show(const QString& stored)
{
    m_list->clear();
    for (const PosLib::TPayform::Printout& printout : PosLib::TPayform::parsePrintouts(stored))
        insert(printout.printer, printout.layout);
    updateButtons();
}

PosLib::TPayform::Printouts TPrintoutList::printouts() const
{
    PosLib::TPayform::Printouts result;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const int code = m_list->topLevelItem(row)->data(0, codeRole).toInt();
        result << PosLib::TPayform::Printout{code % codeBase, code / codeBase};
    }
    return result;
}

QString TPrintoutList::stored() const
{
    return PosLib::TPayform::printoutsText(printouts());
}

void TPrintoutList::insert(int printer, int layout, QTreeWidgetItem* row)
{
    const Basics::TValue* printerRecord = record(m_workspace, "prnconfigs", printer);
    const Basics::TValue* layoutRecord = record(m_workspace, "layconfigs", layout);
    if (!printerRecord || !layoutRecord || printer < 0 || printer >= codeBase)
        return;
    if (!row)
        row = new QTreeWidgetItem(m_list);
    row->setText(0, printerRecord->getName());
    row->setText(1, layoutRecord->getName());
    row->setData(0, codeRole, layout * codeBase + printer);
}

void TPrintoutList::add()
{
    TPrnPrintDlg chooser(2, m_workspace, m_list->window());
    chooser.setWindowTitle(caption());
    if (chooser.exec() != QDialog::Accepted)
        return;
    int printer = 0;
    int layout = 0;
    chooser.getData(printer, layout);
    insert(printer, layout);
    updateButtons();
}

void TPrintoutList::edit(QTreeWidgetItem* row)
{
    if (!row || !m_editable)
        return;
    const int code = row->data(0, codeRole).toInt();
    TPrnPrintDlg chooser(2, m_workspace, m_list->window());
    chooser.setWindowTitle(caption());
    chooser.setData(code % codeBase, code / codeBase);
    if (chooser.exec() != QDialog::Accepted)
        return;
    int printer = 0;
    int layout = 0;
    chooser.getData(printer, layout);
    insert(printer, layout, row);
}

QString TPrintoutList::caption() const
{
    switch (m_kind) {
    case Bills:
        return tr("Printout of bills");
    case PartialBills:
        return tr("Printout of partial bills");
    case RestoreReceipts:
        break;
    }
    return tr("Printout of restore receipts");
}

QString TPrintoutList::printerText(int printer) const
{
    const Basics::TValue* found = record(m_workspace, "prnconfigs", printer);
    return found ? tr("printer %1: %2").arg(printer).arg(found->getName()) : tr("obsolete printer");
}

QString TPrintoutList::layoutText(int layout) const
{
    const Basics::TValue* found = record(m_workspace, "layconfigs", layout);
    return found ? tr("layout %1: %2").arg(layout).arg(found->getName()) : tr("obsolete layout");
}

void TPrintoutList::remove()
{
    QTreeWidgetItem* row = m_list->currentItem();
    if (!row)
        return;
    const int code = row->data(0, codeRole).toInt();
    const int answer = prompts().choose(
        m_list->window(), QMessageBox::Warning, tr("Remove printout"),
        tr("Are you sure to delete\n%1\n%2?").arg(printerText(code % codeBase), layoutText(code / codeBase)),
        {tr("Yes"), tr("No")}, 1, 1);
    if (answer != 0)
        return;
    delete row;
    updateButtons();
}

void TPrintoutList::clear()
{
    QString question;
    switch (m_kind) {
    case Bills:
        question = tr("Are you sure to delete the printout configurations\nfor *** ALL *** bills?");
        break;
    case PartialBills:
        question = tr("Are you sure to delete the printout configurations\nfor *** ALL *** partial bills?");
        break;
    case RestoreReceipts:
        question =
            tr("Are you sure to delete the printout configurations\nfor *** ALL *** restore receipts?");
        break;
    }
    const int answer = prompts().choose(m_list->window(), QMessageBox::Warning, tr("Remove printouts"),
                                        question, {tr("Yes"), tr("No")}, 1, 1);
    if (answer != 0)
        return;
    m_list->clear();
    updateButtons();
}

void TPrintoutList::updateButtons()
{
    const bool current = m_list->currentItem() != nullptr;
    m_edit->setEnabled(m_editable && current);
    m_remove->setEnabled(m_editable && current);
    m_clear->setEnabled(m_editable && m_list->topLevelItemCount() > 0);
    m_add->setEnabled(m_editable);
}

void TPrintoutList::setEditable(bool editable)
{
    m_editable = editable;
    m_list->setEnabled(editable);
    updateButtons();
}
