#include "deletion.h"

#include "dialoghelp.h"
#include "terror.h"
#include "tlistdescriptor.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using LumDialogs::TListDescriptor;

QStringList TDeleteCheck::referrers(TLumWorkspace& workspace, const QString& list, const QList<int>& ids)
{
    QStringList found;
    for (const TListDescriptor& other : TListDescriptor::all()) {
        QList<const TLumColumn*> pointing;
        for (const TLumColumn& column : other.columns) {
            if ((column.kind == TLumColumn::Reference || column.kind == TLumColumn::References) &&
                column.reference == list)
                pointing << &column;
        }
        const Basics::TValueList* records =
            pointing.isEmpty() ? nullptr : workspace.getData(other.names.root);
        if (!records)
            continue;
        for (const Basics::TValue* record : *records) {
            // A record that refers to itself (a VAT rate composed of itself) does not hold it back.
            if (other.names.root == list && ids.contains(record->getID()))
                continue;
            for (const TLumColumn* column : pointing) {
                const QList<int> referred = column->ids(*record);
                if (std::any_of(referred.cbegin(), referred.cend(), [&](int id) { return ids.contains(id); }))
                    found << QStringLiteral("%1: %2 %3 (%4)")
                                 .arg(other.title)
                                 .arg(record->getID())
                                 .arg(record->getName(), column->title);
            }
        }
    }
    return found;
}

bool TDeleteCheck::holdsSystemCurrency(TLumWorkspace& workspace, const QString& list, const QList<int>& ids)
{
    if (list != PosLib::Lists::currencies)
        return false;
    const Basics::TValueList* settings = workspace.getData(PosLib::Lists::settings);
    const Basics::TValue* system = settings ? settings->find(0) : nullptr;
    return ids.contains(system ? system->getInt("syscurr", 1) : 1);
}

void TDeletedRecords::keep(const QString& list, const Basics::TValueList& records,
                           const Basics::TValue& record)
{
    std::unique_ptr<Basics::TValue> copy(records.createValue());
    *copy = record;
    m_entries.insert(m_entries.begin(), Entry{list, std::move(copy), QDateTime::currentDateTime()});
}

bool TDeletedRecords::restore(TLumWorkspace& workspace, std::size_t index)
{
    Entry& entry = m_entries.at(index);
    Basics::TValueList* records = workspace.getData(entry.list);
    if (!records || records->find(entry.record->getID()))
        return false;
    // A copy goes back: when the list refuses it (throws), the entry stays.
    std::unique_ptr<Basics::TValue> copy(records->createValue());
    *copy = *entry.record;
    records->put(copy.release());
    m_entries.erase(m_entries.begin() + qsizetype(index));
    return true;
}

TDeletedRecordsDlg::TDeletedRecordsDlg(TDeletedRecords& deleted, TLumWorkspace& workspace,
                                       std::function<bool(const QString&)> mayRestore, QWidget* parent)
    : QDialog(parent)
    , m_deleted(deleted)
    , m_workspace(workspace)
    , m_mayRestore(std::move(mayRestore))
    , m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("TDeletedRecordsDlg"));
    setWindowTitle(tr("Deleted records"));
    m_list->setObjectName(QStringLiteral("m_Records"));
    m_list->setHeaderLabels({tr("Deleted at"), tr("List"), tr("Number"), tr("Name")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    restore->setObjectName(QStringLiteral("b_Restore"));
    offerDialogHelp(buttons, this);
    connect(restore, &QPushButton::clicked, this, &TDeletedRecordsDlg::restoreSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this, restore] { restore->setEnabled(!m_list->selectedItems().isEmpty()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(620, 360);
    fill();
    restore->setEnabled(false);
}

void TDeletedRecordsDlg::fill()
{
    m_list->clear();
    for (const TDeletedRecords::Entry& entry : m_deleted.entries()) {
        const TListDescriptor* list = TListDescriptor::find(entry.list);
        new QTreeWidgetItem(m_list, {QLocale().toString(entry.when, QLocale::ShortFormat),
                                     list ? list->title : entry.list, QString::number(entry.record->getID()),
                                     entry.record->getName()});
    }
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TDeletedRecordsDlg::restoreSelected()
{
    QList<std::size_t> rows;
    for (QTreeWidgetItem* item : m_list->selectedItems())
        rows << std::size_t(m_list->indexOfTopLevelItem(item));
    std::sort(rows.rbegin(), rows.rend()); // later rows first: restoring removes entries
    QStringList refused;
    for (std::size_t row : rows) {
        const TDeletedRecords::Entry& entry = m_deleted.entries().at(row);
        const QString what = QStringLiteral("%1 %2").arg(entry.record->getID()).arg(entry.record->getName());
        if (!m_mayRestore(entry.list)) {
            refused << tr("%1: you may not change this list").arg(what);
            continue;
        }
        try {
            if (!m_deleted.restore(m_workspace, row))
                refused << tr("%1: the number is in use again").arg(what);
        } catch (const Basics::TError& error) {
            refused << QStringLiteral("%1: %2").arg(what, error.description());
        }
    }
    fill();
    if (!refused.isEmpty())
        prompts().warning(this, tr("Restore"), tr("Not restored:\n%1").arg(refused.join(u'\n')));
}
