#include "historydlg.h"

#include "dialoghelp.h"
#include "terror.h"
#include "tlistdescriptor.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int historyEntryRole = Qt::UserRole + 1;

QString historyKindText(TChangeHistory::Kind kind)
{
    switch (kind) {
    case TChangeHistory::Created:
        return THistoryDlg::tr("created");
    case TChangeHistory::Deleted:
        return THistoryDlg::tr("deleted");
    default:
        return THistoryDlg::tr("changed");
    }
}

// The keys of both versions, in key order.
QStringList historyKeys(const TChangeHistory::Entry& entry)
{
    std::set<QString> keys;
    for (const std::optional<Basics::TValue>* version : {&entry.before, &entry.after}) {
        if (*version) {
            for (const Basics::TAttribute& attribute : (*version)->attributes())
                keys.insert(attribute.key);
        }
    }
    return QStringList(keys.cbegin(), keys.cend());
}

QString historyValue(const std::optional<Basics::TValue>& version, const QString& key)
{
    return version && version->contains(key) ? version->getString(key) : QString();
}

bool historyDiffers(const TChangeHistory::Entry& entry, const QString& key)
{
    return entry.before.has_value() != entry.after.has_value() ||
           (entry.before && (entry.before->contains(key) != entry.after->contains(key) ||
                             entry.before->getString(key) != entry.after->getString(key)));
}

} // namespace

THistoryDlg::THistoryDlg(TChangeHistory& history, TLumWorkspace& workspace, const QString& list,
                         std::optional<int> id, Access access, QWidget* parent)
    : QDialog(parent)
    , m_history(history)
    , m_workspace(workspace)
    , m_list(list)
    , m_id(id)
    , m_access(std::move(access))
    , m_user(new QComboBox)
    , m_period(new QCheckBox(tr("&Period")))
    , m_from(new QDateTimeEdit)
    , m_to(new QDateTimeEdit)
    , m_changes(new QTreeWidget)
    , m_details(new QTreeWidget)
    , m_status(new QLabel)
    , m_restore(new QPushButton(tr("&Restore the version before")))
{
    setObjectName(QStringLiteral("THistoryDlg"));
    const LumDialogs::TListDescriptor* descriptor = LumDialogs::TListDescriptor::find(list);
    const QString title = descriptor ? descriptor->title : list;
    if (id) {
        const Basics::TValueList* records = workspace.getData(list);
        const Basics::TValue* record = records ? records->find(*id) : nullptr;
        setWindowTitle(record ? tr("History of %1 %2 %3").arg(title, QString::number(*id), record->getName())
                              : tr("History of %1 %2").arg(title, QString::number(*id)));
    } else {
        setWindowTitle(tr("History of %1").arg(title));
    }
    m_user->setObjectName(QStringLiteral("m_User"));
    m_period->setObjectName(QStringLiteral("m_Period"));
    m_from->setObjectName(QStringLiteral("m_From"));
    m_to->setObjectName(QStringLiteral("m_To"));
    m_changes->setObjectName(QStringLiteral("m_Changes"));
    m_details->setObjectName(QStringLiteral("m_Details"));
    m_restore->setObjectName(QStringLiteral("b_Restore"));
    m_status->setObjectName(QStringLiteral("m_Status"));

    m_user->addItem(tr("Everybody"));
    for (int user : history.users(list, id))
        m_user->addItem(m_access.userName ? m_access.userName(user) : QString::number(user), user);
    const QDate today = QDate::currentDate();
    m_from->setDateTime(today.addDays(-30).startOfDay());
    m_to->setDateTime(QDateTime(today, QTime(23, 59, 59)));
    for (QDateTimeEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
    }

    m_changes->setHeaderLabels(
        {tr("Time"), tr("User"), tr("Change"), tr("Number"), tr("Name"), tr("Attributes")});
    m_changes->setRootIsDecorated(false);
    m_changes->setAlternatingRowColors(true);
    m_details->setHeaderLabels({tr("Attribute"), tr("Before"), tr("After")});
    m_details->setRootIsDecorated(false);

    auto* filters = new QHBoxLayout;
    auto* userLabel = new QLabel(tr("&User:"));
    userLabel->setBuddy(m_user);
    filters->addWidget(userLabel);
    filters->addWidget(m_user);
    filters->addSpacing(12);
    filters->addWidget(m_period);
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(QStringLiteral("-")));
    filters->addWidget(m_to);
    filters->addStretch(1);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_changes);
    splitter->addWidget(m_details);
    splitter->setSizes({260, 160});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_restore, QDialogButtonBox::ActionRole);
    offerDialogHelp(buttons, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_user, &QComboBox::currentIndexChanged, this, &THistoryDlg::reload);
    connect(m_period, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        reload();
    });
    connect(m_from, &QDateTimeEdit::dateTimeChanged, this, &THistoryDlg::reload);
    connect(m_to, &QDateTimeEdit::dateTimeChanged, this, &THistoryDlg::reload);
    connect(m_changes, &QTreeWidget::currentItemChanged, this, &THistoryDlg::showDetails);
    connect(m_restore, &QPushButton::clicked, this, &THistoryDlg::restoreSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(900, 560);
    reload();
}

void THistoryDlg::reload()
{
    TChangeHistory::Filter filter;
    filter.list = m_list;
    filter.id = m_id;
    if (m_user->currentIndex() > 0)
        filter.user = m_user->currentData().toInt();
    if (m_period->isChecked()) {
        filter.from = m_from->dateTime();
        filter.to = m_to->dateTime();
    }
    QString error;
    m_entries = m_history.entries(filter, &error);
    m_changes->clear();
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        const TChangeHistory::Entry& entry = m_entries.at(row);
        const std::optional<Basics::TValue>& shown = entry.after ? entry.after : entry.before;
        QStringList changed;
        for (const QString& key : historyKeys(entry)) {
            if (historyDiffers(entry, key))
                changed << key;
        }
        auto* item = new QTreeWidgetItem(
            m_changes,
            {QLocale().toString(entry.when, QLocale::ShortFormat),
             m_access.userName ? m_access.userName(entry.user) : QString::number(entry.user),
             historyKindText(entry.kind), QString::number(entry.id), shown ? shown->getName() : QString(),
             entry.kind == TChangeHistory::Changed ? changed.join(QStringLiteral(", ")) : QString()});
        item->setData(0, historyEntryRole, int(row));
    }
    for (int column = 0; column < m_changes->columnCount() - 1; ++column)
        m_changes->resizeColumnToContents(column);
    if (!error.isEmpty())
        m_status->setText(tr("The history cannot be read: %1").arg(error));
    else
        m_status->setText(tr("%n change(s)", nullptr, int(m_entries.size())));
    if (m_changes->topLevelItemCount() > 0)
        m_changes->setCurrentItem(m_changes->topLevelItem(0));
    showDetails();
}

const TChangeHistory::Entry* THistoryDlg::selectedEntry() const
{
    const QTreeWidgetItem* item = m_changes->currentItem();
    const int row = item ? item->data(0, historyEntryRole).toInt() : -1;
    return row >= 0 && row < m_entries.size() ? &m_entries.at(row) : nullptr;
}

void THistoryDlg::showDetails()
{
    m_details->clear();
    const TChangeHistory::Entry* entry = selectedEntry();
    if (entry) {
        QFont changedFont = m_details->font();
        changedFont.setBold(true);
        for (const QString& key : historyKeys(*entry)) {
            auto* item = new QTreeWidgetItem(
                m_details, {key, historyValue(entry->before, key), historyValue(entry->after, key)});
            if (historyDiffers(*entry, key)) {
                for (int column = 0; column < 3; ++column)
                    item->setFont(column, changedFont);
            }
        }
        m_details->resizeColumnToContents(0);
        m_details->resizeColumnToContents(1);
    }
    const bool offered = entry && entry->before && m_access.noRestore.isEmpty();
    m_restore->setEnabled(offered);
    m_restore->setToolTip(!m_access.noRestore.isEmpty()
                              ? m_access.noRestore
                              : tr("Put the record back as it was before this change"));
}

void THistoryDlg::restoreSelected()
{
    const TChangeHistory::Entry* entry = selectedEntry();
    if (!entry || !entry->before || !m_access.noRestore.isEmpty())
        return;
    if (!m_access.mayChange || !m_access.mayChange(entry->list)) {
        prompts().warning(this, tr("Restore"), tr("You may not change this list."));
        return;
    }
    Basics::TValueList* records = m_workspace.getData(entry->list);
    if (!records || m_workspace.isDamaged(entry->list)) {
        prompts().warning(this, tr("Restore"),
                          tr("The list's file is damaged: nothing is written to it until it is repaired."));
        return;
    }
    Basics::TValue* record = records->find(entry->id);
    try {
        if (record) {
            // As an edit changes a record: in place, then told; a list that refuses restores it.
            const Basics::TValue current = *record;
            static_cast<Basics::TValue&>(*record) = *entry->before;
            try {
                records->notifyChanged(record);
            } catch (const Basics::TError&) {
                static_cast<Basics::TValue&>(*record) = current;
                throw;
            }
        } else {
            std::unique_ptr<Basics::TValue> restored(records->createValue());
            static_cast<Basics::TValue&>(*restored) = *entry->before;
            records->put(restored.release());
        }
    } catch (const Basics::TError& error) {
        prompts().critical(this, tr("Restore"),
                           tr("The record could not be restored:\n%1").arg(error.description()));
        return;
    }
    // Saved (and so recorded) at once, so that the history shows the restore.
    m_workspace.saveChanges();
    reload();
}
