#pragma once

#include "lumlib_global.h"
#include "tlistnames.h"

class TLumWorkspace;

namespace PosLib {
class TCostCenter;
}

// The workspace's cost centres. The point-of-sale database keeps every cost centre as a row of the
// table "Kostenstellen" too ("KSCode" = the id, "Bezeichnung" = the name, "KstNr" numbered by the
// database); the list keeps the rows in step: a new cost centre gets its row, a changed one its new
// name, a removed one loses its row. Each is done on the row first and throws Database::TSQLError
// (naming the operation "Insert", "Change", "Delete", or "Check" for a statement the database
// cannot prepare) before the list changes, so a refused row leaves the list as it was. Without a
// database the list alone keeps them.
class LUMLIB_EXPORT TCostCenters : public PosLib::TNamedList {
    Q_OBJECT
public:
    explicit TCostCenters(TLumWorkspace* workspace);

    void put(Basics::TValue* value) override;
    void notifyChanged(Basics::TValue* value) override;
    bool remove(Basics::TValue* value) override;

private:
    void insertRow(const Basics::TValue& center);
    void updateRow(const Basics::TValue& center);
    void deleteRow(int id);

    TLumWorkspace* m_workspace;
};
