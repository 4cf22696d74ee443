#include "editorregistry.h"

#include "tcurrencydlg.h"
#include "tpayformdlg.h"

#include <QDialog>
#include <QStringList>

#include <map>

namespace {

// One line per editor.
const std::map<QString, TEditorRegistry::Factory>& registry()
{
    static const std::map<QString, TEditorRegistry::Factory> editors = {
        {QStringLiteral("currencies"), TEditorRegistry::factory<TCurrencyDlg>()},
        {QStringLiteral("payforms"), TEditorRegistry::factory<TPayformDlg>()},
    };
    return editors;
}

} // namespace

const TEditorRegistry::Factory* TEditorRegistry::find(const QString& list)
{
    const auto it = registry().find(list);
    return it != registry().end() ? &it->second : nullptr;
}

QStringList TEditorRegistry::lists()
{
    QStringList names;
    for (const auto& [name, factory] : registry())
        names << name;
    return names;
}
