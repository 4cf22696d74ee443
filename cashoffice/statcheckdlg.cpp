#include "statcheckdlg.h"

#include "tlistnames.h"
#include "tlumdlg.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>

namespace {

enum StatColumn { StatNameColumn = 0, StatIdColumn = 1, StatStatusColumn = 2 };

// The window repaints its progress (and answers Close) after this many days.
constexpr int statEventsEvery = 25;

} // namespace

StatCheckDlg::StatCheckDlg(const QDate& from, const QDate& to, TLumWindow* window)
    : StatCheckDlgBase(window, "StatCheckDlg", false)
    , m_from(from)
    , m_to(to.isValid() ? to : from)
    , m_window(window)
{
    initData();
}

void StatCheckDlg::initData()
{
    m_Outs->header()->setSectionResizeMode(StatNameColumn, QHeaderView::Stretch);
    m_Outs->header()->setStretchLastSection(false);
    buttonHelp->setEnabled(TLumDlg::helpAvailable());
}

void StatCheckDlg::onHelp()
{
    TLumDlg::onHelp(QStringLiteral("lumdialogs.html"), this);
}

void StatCheckDlg::reject()
{
    m_stopped = true;
    StatCheckDlgBase::reject();
}

void StatCheckDlg::show()
{
    StatCheckDlgBase::show();
    m_stopped = false;
    m_Outs->clear();
    TLumWorkspace* workspace = m_window ? m_window->workspace() : nullptr;
    const Basics::TValueList* outlets = workspace ? workspace->getData(QStringLiteral("outlets")) : nullptr;
    if (!outlets)
        return;
    const qint64 days = m_from.isValid() ? std::max<qint64>(0, m_from.daysTo(m_to) + 1) : 0;
    const qint64 total = days * outlets->count();
    // The bar counts in steps that fit its int range, however long the period.
    const qint64 scale = total / 1000000 + 1;
    m_Prog->setRange(0, int(total / scale));
    m_Prog->setValue(0);
    const QDir root(workspace->GetDataPath());
    QPointer<StatCheckDlg> alive(this);
    qint64 done = 0;
    for (const Basics::TValue* outlet : *outlets) {
        auto* outletRow = new QTreeWidgetItem(m_Outs, {outlet->getName(), QString::number(outlet->getID())});
        const QString path = outlet->getString("path").trimmed();
        const QString base = path.isEmpty() ? root.path() : root.filePath(path);
        bool passed = true;
        for (qint64 day = 0; day < days; ++day) {
            const QDate date = m_from.addDays(day);
            auto* dayRow =
                new QTreeWidgetItem(outletRow, {QString(), date.toString(QStringLiteral("dd.MM.yyyy"))});
            const bool ok = checkDir(dayRow, PosLib::TTable::statistDirectory(base, date));
            dayRow->setText(StatStatusColumn, ok ? tr("Ok") : tr("Failed"));
            passed = passed && ok;
            m_Prog->setValue(int(++done / scale));
            if (done % statEventsEvery == 0) {
                QCoreApplication::processEvents();
                if (!alive || m_stopped)
                    return;
            }
        }
        outletRow->setText(StatStatusColumn, passed ? tr("Success") : tr("Failed"));
        outletRow->setExpanded(!passed);
    }
    if (m_Outs->topLevelItemCount() > 0)
        m_Outs->setCurrentItem(m_Outs->topLevelItem(0));
    m_Prog->setValue(m_Prog->maximum());
    m_Outs->resizeColumnToContents(StatIdColumn);
    m_Outs->resizeColumnToContents(StatStatusColumn);
}

bool StatCheckDlg::turnoverFiles(const QByteArray& content, qint64& files, int& badLine)
{
    files = 0;
    badLine = 0;
    const QList<QByteArray> lines = content.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (const qsizetype comment = line.indexOf(';'); comment >= 0)
            line.truncate(comment);
        if (line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(':');
        bool isNumber = false;
        const int count = fields.size() >= 2 ? fields[1].trimmed().toInt(&isNumber) : 0;
        if (!isNumber || count < 0) {
            badLine = int(i + 1);
            return false;
        }
        files += count;
    }
    return true;
}

bool StatCheckDlg::checkDir(QTreeWidgetItem* row, const QString& dir)
{
    if (!QFileInfo(dir).isDir()) {
        row->setText(StatNameColumn, tr("Directory %1 not found").arg(QDir::toNativeSeparators(dir)));
        return false;
    }
    qint64 recorded = 0;
    const QString summary = QDir(dir).filePath(QStringLiteral("turnover.z"));
    if (QFileInfo::exists(summary)) {
        QFile file(summary);
        if (file.size() > maxTurnoverSize || !file.open(QIODevice::ReadOnly)) {
            row->setText(StatNameColumn, tr("Could not open file %1").arg(QDir::toNativeSeparators(summary)));
            return false;
        }
        int badLine = 0;
        if (!turnoverFiles(file.readAll(), recorded, badLine)) {
            row->setText(
                StatNameColumn,
                tr("Could not read file %1 (line %2)").arg(QDir::toNativeSeparators(summary)).arg(badLine));
            return false;
        }
    }
    qint64 found = 0;
    for (QDirIterator it(dir, {QStringLiteral("a*")}, QDir::Files); it.hasNext(); it.next())
        ++found;
    if (found != recorded) {
        row->setText(StatNameColumn, tr("File count mismatch (%1:%2)").arg(recorded).arg(found));
        return false;
    }
    return true;
}
