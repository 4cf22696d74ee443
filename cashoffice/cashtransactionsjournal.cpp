// The page "Journal": the journal lines of a time range, shown while they are read.

#include "cashtransactionsdialog.h"

#include "cashchartview.h"
#include "cashjournal.h"
#include "ccdjournalviewitem.h"
#include "tprompts.h"

#include <QHeaderView>
#include <QTimer>

namespace {

// The first lines show at once; the rest follows in larger pieces between the operator's events.
constexpr int firstJournalPiece = 500;
constexpr int journalPiece = 5000;

} // namespace

void CashTransactionsDialog::CCDJournalRequestHandler()
{
    m_journal->CloseJournal();
    CCDJournalViewControl->clear();
    // The charts read again after the journal's first lines are shown.
    if (m_charts)
        QTimer::singleShot(0, m_charts, &CashChartView::reload);
    m_journalLines = 0;
    const int sumOutlet = sumOutletFor("CCDJournalRequestHandler");
    if (sumOutlet == 0)
        return;
    if (!m_journal->OpenJournal(sumOutlet, CCDJournalBeginTimestampControl->dateTime(),
                                CCDJournalEndTimestampControl->dateTime())) {
        prompts().information(this, MessageCaption(), tr("No data available."));
        log("CCDJournalRequestHandler", QStringLiteral("no data for outlet %1 in db found. %2")
                                            .arg(sumOutlet)
                                            .arg(m_journal->ErrorText()));
        return;
    }
    m_journalSumOutlet = sumOutlet;
    readJournalPiece();
}

void CashTransactionsDialog::readJournalPiece()
{
    m_journalPieceDue = false;
    if (!m_journal->JournalOpen())
        return;
    const Database::JournalDataList lines =
        m_journal->ReadJournal(m_journalLines == 0 ? firstJournalPiece : journalPiece);
    QList<QTreeWidgetItem*> items;
    items.reserve(lines.size());
    for (const Database::JournalData& line : lines)
        items << new CCDJournalViewItem(line);
    CCDJournalViewControl->addTopLevelItems(items);
    const bool first = m_journalLines == 0;
    m_journalLines += int(lines.size());
    if (first) {
        if (lines.isEmpty()) {
            prompts().information(this, MessageCaption(), tr("No data available."));
            log("CCDJournalRequestHandler",
                QStringLiteral("no data for outlet %1 in db found.").arg(m_journalSumOutlet));
            return;
        }
        CCDJournalViewControl->setCurrentItem(CCDJournalViewControl->topLevelItem(0));
        for (int column = 0; column < CCDJournalViewControl->columnCount(); ++column)
            CCDJournalViewControl->resizeColumnToContents(column);
    }
    if (m_journal->JournalOpen() && !m_journalPieceDue) {
        m_journalPieceDue = true;
        QTimer::singleShot(0, this, &CashTransactionsDialog::readJournalPiece);
    }
}
