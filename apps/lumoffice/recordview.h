#pragma once

#include <QDialog>

class TLumWorkspace;

namespace Basics {
class TValue;
}
namespace LumDialogs {
struct TListDescriptor;
}

// Every attribute of one record, read only: the columns of its list as the list shows them, then
// whatever else the record holds, as stored.
class TRecordViewDlg : public QDialog {
    Q_OBJECT
public:
    TRecordViewDlg(const LumDialogs::TListDescriptor& list, const Basics::TValue& record,
                   TLumWorkspace* workspace, QWidget* parent);
};
