#include "editorregistry.h"

#include "tcostcenterdlg.h"
#include "tcurrencydlg.h"
#include "tdiscountdlg.h"
#include "tpayformdlg.h"
#include "tpriceleveldlg.h"
#include "ttaxgroupdlg.h"
#include "tvatratedlg.h"

#include <QDialog>
#include <QStringList>

#include <map>

namespace {

// One line per editor.
const std::map<QString, TEditorRegistry::Factory>& registry()
{
    static const std::map<QString, TEditorRegistry::Factory> editors = {
        {QStringLiteral("currencies"), TEditorRegistry::factory<TCurrencyDlg>()},
        {QStringLiteral("vatrates"), TEditorRegistry::factory<TVatRateDlg>()},
        {QStringLiteral("taxgroups"), TEditorRegistry::factory<TTaxGroupDlg>()},
        {QStringLiteral("discounts"), TEditorRegistry::factory<TDiscountDlg>()},
        {QStringLiteral("pricelevels"), TEditorRegistry::factory<TPriceLevelDlg>()},
        {QStringLiteral("costcenters"), TEditorRegistry::factory<TCostCenterDlg>()},
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
