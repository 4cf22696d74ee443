#include "ccdjournalviewitem.h"

CCDJournalViewItem::CCDJournalViewItem(const Database::JournalData& line)
    : QTreeWidgetItem(QStringList{line.timestamp.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")),
                                  line.location, line.waiterName, line.cashGroup,
                                  QString::number(line.amount, 'f', 2), line.reason, line.terminalName,
                                  QString::number(line.billNumber)})
    , m_line(line)
{
    setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    setTextAlignment(7, Qt::AlignRight | Qt::AlignVCenter);
}
