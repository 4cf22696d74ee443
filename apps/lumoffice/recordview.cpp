#include "recordview.h"

#include "dialoghelp.h"
#include "tlistdescriptor.h"
#include "tvalue.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

TRecordViewDlg::TRecordViewDlg(const LumDialogs::TListDescriptor& list, const Basics::TValue& record,
                               TLumWorkspace* workspace, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TRecordViewDlg"));
    setWindowTitle(tr("%1: record %2").arg(list.title).arg(record.getID()));
    auto* table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("m_Attributes"));
    table->setHeaderLabels({tr("Attribute"), tr("Value")});
    table->setRootIsDecorated(false);
    QStringList described;
    for (const TLumColumn& column : list.columns) {
        new QTreeWidgetItem(table, {column.title, column.text(record, workspace)});
        described << column.key;
    }
    for (const Basics::TAttribute& attribute : record.attributes()) {
        if (!described.contains(attribute.key))
            new QTreeWidgetItem(table, {attribute.key, attribute.value.text()});
    }
    table->header()->resizeSection(0, 200);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    offerDialogHelp(buttons, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(560, 420);
}
