#include "tlistdescriptor.h"

#include "trecordeditor.h"

#include <algorithm>

namespace LumDialogs {

const TListDescriptor* TListDescriptor::find(const QString& list)
{
    const auto& table = all();
    const auto it = std::find_if(table.cbegin(), table.cend(),
                                 [&](const TListDescriptor& d) { return d.names.root == list; });
    return it != table.cend() ? &*it : nullptr;
}

QStringList TListDescriptor::groups()
{
    QStringList result;
    for (const TListDescriptor& list : all()) {
        if (!result.contains(list.group))
            result << list.group;
    }
    return result;
}

std::unique_ptr<QDialog> TListDescriptor::openEditor(TLumWindow* window, TLumRecordRows* view,
                                                     bool newRecord) const
{
    if (!editor)
        return nullptr;
    std::unique_ptr<QDialog> dialog = editor(window, view);
    if (TRecordEditor* record = recordEditor(dialog.get())) {
        if (newRecord)
            record->setID(view);
        else
            record->setData(view);
    }
    return dialog;
}

TRecordEditor* recordEditor(QDialog* dialog)
{
    return dynamic_cast<TRecordEditor*>(dialog);
}

} // namespace LumDialogs
