#pragma once

#include "counterdialogbase.h"
#include "lumdialogs_global.h"

#include <QString>

class TLumWindow;
class TLumWorkspace;

// Counts one cash group by its denominations: a row per coin or note with its factor (the value of
// one piece); the operator types how many pieces there are, and the dialog sums pieces times
// factor into the total the caller takes with GetTotalAmount.
//
// The rows of a cash group come from an INI file:
//   [counters]
//   Cash = coin50, note10   ; the sections of the rows of cash group "Cash", in order
//   default = coin50        ; for a cash group without an entry of its own
//   [coin50]
//   name = 50 Cent
//   factor = 0.50
class LUMDIALOGS_EXPORT CounterDialog : public CounterDialogBase {
    Q_OBJECT

public:
    static const QString CounterConfigSectionName;   // "counters"
    static const QString DefaultCounterSectrionName; // "default"
    static const QString NameEntryName;              // "name"
    static const QString FactorEntryName;            // "factor"

    CounterDialog(TLumWorkspace* workspace, TLumWindow* window);

    // Fills the table with the rows of the cash group from the INI file; false (the caller then
    // does not show the dialog) when there are none or the file cannot be read.
    bool InsertCounters(const QString& iniFile, const QString& cashGroup);
    // Appends a row: the name, 0 pieces, the factor, a total of 0.
    void InsertCounter(const QString& name, const QString& factor);
    // The sum of all rows with two decimals ("1.50").
    QString GetTotalAmount() const;

private Q_SLOTS:
    void CounterTableValueChangedHandler(int row, int column);

private:
    void CalculateTotalAmount();
    void setCell(int row, int column, const QString& text);

    TLumWorkspace* m_workspace;
    TLumWindow* m_window;
    double m_total = 0.0;
};
