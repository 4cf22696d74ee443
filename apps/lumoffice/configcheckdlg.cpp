#include "configcheckdlg.h"

#include "configcheck.h"
#include "dialoghelp.h"
#include "tlistdescriptor.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int configCheckListRole = Qt::UserRole + 1;

QString configCheckTitle(const QString& list)
{
    const LumDialogs::TListDescriptor* descriptor = LumDialogs::TListDescriptor::find(list);
    return descriptor ? descriptor->title : list;
}

} // namespace

TConfigCheckDlg::TConfigCheckDlg(TLumWorkspace& workspace, OpenRecord openRecord, QWidget* parent)
    : QDialog(parent)
    , m_workspace(workspace)
    , m_openRecord(std::move(openRecord))
    , m_findings(new QTreeWidget(this))
    , m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("TConfigCheckDlg"));
    setWindowTitle(tr("Configuration check"));
    m_findings->setObjectName(QStringLiteral("m_Findings"));
    m_findings->setHeaderLabels({tr("List"), tr("Number"), tr("Name"), tr("Reference"), tr("Missing")});
    m_findings->setRootIsDecorated(false);
    m_findings->setAlternatingRowColors(true);
    m_summary->setObjectName(QStringLiteral("m_Summary"));
    m_summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* again = buttons->addButton(tr("Check &again"), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("b_Check"));
    offerDialogHelp(buttons, this);
    connect(again, &QPushButton::clicked, this, &TConfigCheckDlg::check);
    // Return in the list opens the record; it must not press a button and close the window.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_findings, &QTreeWidget::itemActivated, this, &TConfigCheckDlg::open);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_findings, 1);
    layout->addWidget(buttons);
    resize(820, 420);
    check();
}

void TConfigCheckDlg::check()
{
    m_findings->clear();
    const QList<TConfigCheck::Finding> found = TConfigCheck::run(m_workspace);
    for (const TConfigCheck::Finding& finding : found) {
        auto* item = new QTreeWidgetItem(m_findings);
        item->setData(0, configCheckListRole, finding.list);
        if (!finding.file.isEmpty()) {
            item->setText(0, TConfigCheck::text(finding));
            item->setFirstColumnSpanned(true);
            item->setForeground(0, QColor(0xb0, 0x20, 0x20));
            continue;
        }
        item->setText(0, configCheckTitle(finding.list));
        item->setText(1, QString::number(finding.id));
        item->setText(2, finding.name);
        item->setText(3, finding.reference);
        item->setText(4, tr("%1 %2").arg(configCheckTitle(finding.target), QString::number(finding.missing)));
        item->setToolTip(4, TConfigCheck::text(finding));
    }
    m_findings->header()->resizeSections(QHeaderView::ResizeToContents);
    m_summary->setText(found.isEmpty()
                           ? tr("Every reference of the checked lists names a record that exists.")
                           : tr("%n finding(s). A double click opens the record that holds the "
                                "reference.",
                                nullptr, int(found.size())));
    if (m_findings->topLevelItemCount() > 0)
        m_findings->setCurrentItem(m_findings->topLevelItem(0));
}

void TConfigCheckDlg::open(QTreeWidgetItem* item)
{
    if (!item || item->text(1).isEmpty() || !m_openRecord)
        return;
    m_openRecord(item->data(0, configCheckListRole).toString(), item->text(1).toInt());
    check();
}
