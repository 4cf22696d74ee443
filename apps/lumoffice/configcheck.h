#pragma once

#include <QList>
#include <QString>

class TLumWorkspace;

// The configuration check: every reference from a record to a record of another list that does not
// exist (a payment form naming a printer that was deleted, a card with a price level that never
// existed ...), and every list of the check whose file could not be read completely, since its
// references cannot be trusted then.
namespace TConfigCheck {

struct Finding {
    QString list;      // the list that holds the reference
    int id = 0;        // the record that holds it
    QString name;      // and its name
    QString reference; // the reference as the operator knows it ("Bill printers")
    QString target;    // the list referred to; empty for a damaged file
    int missing = 0;   // the id that is not there
    QString file;      // the damaged file, when the finding is one
};

// Every finding on the workspace's lists: damaged files first, then by list and record.
QList<Finding> run(TLumWorkspace& workspace);

// One line for the operator: "Payment forms 3 Voucher: Bill printers 7 does not exist (Printers)".
QString text(const Finding& finding);

} // namespace TConfigCheck
