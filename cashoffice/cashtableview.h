#pragma once

#include "lumdialogs_global.h"

#include <QStringList>
#include <QTableWidget>

// A table of the cash office: one row per cash group, the first column its name and only the
// second one (the amount the operator enters) editable. "modified" tells whether the operator
// entered anything since the table was filled.
class LUMDIALOGS_EXPORT CashTableView : public QTableWidget {
    Q_OBJECT
public:
    enum Column { CashGroupColumn = 0, AmountColumn = 1 };

    CashTableView(const QStringList& headers, QWidget* parent = nullptr);

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Removes every row, quietly.
    void clearRows();
    // Appends a row of these texts, quietly; the amounts are aligned to the right.
    void appendRow(const QStringList& texts);
    // The text of a cell; empty when it has none.
    QString text(int row, int column) const;
    // Sets the text of a cell without reporting a change.
    void setText(int row, int column, const QString& text);

private:
    bool m_modified = false;
};
