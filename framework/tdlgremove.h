#pragma once

#include "lumdialogs_global.h"
#include "tdlgremovebase.h"

#include <QStringList>

namespace QtWidgets {

// The confirmation before records are deleted: the caller sets the caption (setWindowTitle), the
// columns and the rows to list, and deletes when exec() returns QDialog::Accepted. "No" is the
// default button, so Return does not delete.
class LUMDIALOGS_EXPORT TDlgRemove : public TDlgRemoveBase {
    Q_OBJECT

public:
    explicit TDlgRemove(QWidget* parent = nullptr);

    // The column headers; with a single empty header (the default) the header is hidden.
    void setColumns(const QStringList& headers);
    void addRow(const QStringList& columns);
    int rowCount() const;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace QtWidgets
