#include "tlistnames.h"

#include "tcardactionlog.h"
#include "tcostcenter.h"
#include "tcurrency.h"
#include "tdiscount.h"
#include "tnetcardaction.h"
#include "tnetclient.h"
#include "tpayform.h"
#include "tpricelevel.h"
#include "tpseudoproperty.h"
#include "tsettings.h"
#include "ttaxgroup.h"
#include "tvatrate.h"

#include <algorithm>

namespace PosLib {

namespace {

TListNames entry(const char* root, const char* element, const char* file,
                 TListNames::Factory create = nullptr)
{
    return {QString::fromLatin1(root), QString::fromLatin1(element), QString::fromLatin1(file), create};
}

template <class Record>
Basics::TValue* make()
{
    return new Record;
}

const TListNames& baseNames()
{
    static const TListNames names = entry("elements", "element", "elements.dat");
    return names;
}

} // namespace

const QList<TListNames>& TListNames::known()
{
    static const QList<TListNames> table = {
        entry("currencies", "currency", "currency.dat", &make<TCurrency>),
        entry("costcenters", "costcenter", "centers.dat", &make<TCostCenter>),
        entry("discounts", "discount", "discount.dat", &make<TDiscount>),
        entry("pricelevels", "pricelevel", "prlevels.dat", &make<TPricelevel>),
        entry("taxgroups", "taxgroup", "taxgroups.dat", &make<TTaxGroup>),
        entry("vatrates", "vatrate", "vatrate.dat", &make<TVatRate>),
        entry("articlehelptexts", "articlehelptext", "articlehelptexts.dat"),
        entry("subventmaps", "subventmap", "subventmap.dat"),
        entry("shifts", "shift", "shifts.dat"),
        entry("shiftgroups", "shiftgroup", "shiftgroups.dat"),
        entry("textmodules", "textmodule", "textmodules.dat"),
        entry("textmodulesgroups", "textmodulesgroup", "textmodulesgroups.dat"),
        entry("workingmodels", "workingmodel", "workingmodels.dat"),
        entry("families", "family", "families.dat"),
        entry("authorizations", "authorization", "authorizations.dat"),
        entry("coatcheckranges", "coatcheckrange", "coatcheckranges.dat"),
        entry("generalsettings", "generalsetting", "generalsettings.dat"),
        entry("hashtags", "hashtag", "hashtags.dat"),
        entry("menucards", "menucard", "menucards.dat"),
        entry("salepromotions", "salepromotion", "salepromotions.dat"),
        entry("salepromotionsgroups", "salepromotionsgroup", "salepromotionsgroups.dat"),
        entry("waiterrights", "waiterright", "waiterrights.dat"),
        entry("settings", "setting", "settings.dat", &make<TSetting>),
        entry("realnetcardactions", "realnetcardaction", "realnetcardactions.dat", &make<TNetCardAction>),
        entry("netclients", "netclient", "netclients.dat", &make<TNetClient>),
        // Lists whose files the system names, with names in the same pattern.
        entry("articlehelptextsgroups", "articlehelptextsgroup", "articlehelptextsgroups.dat"),
        entry("netcardactions", "netcardaction", "netcardactions.dat"),
        entry("payforms", "payform", "payform.dat", &make<TPayform>),
        entry("zcounts", "zcount", "zcount.dat"),
        entry("articles", "article", "articles.dat"),
        entry("cardproperties", "cardproperty", "cardproperties.dat"),
        entry("actionlogs", "actionlog", "actionlog.dat", &make<TCardActionLog>),
        entry("subventions", "subvention", "subventions.dat"),
        entry("tablecfgs", "tablecfg", "tablecfg.dat"),
        entry("prnconfigs", "prnconfig", "prnconfigs.dat"),
        entry("departments", "department", "departments.dat"),
        entry("layconfigs", "layconfig", "layconfigs.dat"),
        entry("terminals", "terminal", "terminals.dat"),
        entry("prncontrols", "prncontrol", "prncontrols.dat"),
        entry("modifiers", "modifier", "modifiers.dat"),
        entry("waiters", "waiter", "waiters.dat"),
        entry("outlets", "outlet", "outlets.dat"),
        entry("templatecardactions", "templatecardaction", "templatecardactions.dat"),
        entry("pseudoproperties", "pseudoproperty", "pseudoproperties.dat", &make<TPseudoProperty>),
    };
    return table;
}

TListNames TListNames::forRoot(const QString& root)
{
    const auto& table = known();
    const auto it =
        std::find_if(table.cbegin(), table.cend(), [&](const TListNames& n) { return n.root == root; });
    return it != table.cend() ? *it : baseNames();
}

TListNames TListNames::forFile(const QString& file)
{
    const auto& table = known();
    const auto it =
        std::find_if(table.cbegin(), table.cend(), [&](const TListNames& n) { return n.file == file; });
    return it != table.cend() ? *it : baseNames();
}

bool TListNames::isKnownRoot(const QString& root)
{
    const auto& table = known();
    return std::any_of(table.cbegin(), table.cend(), [&](const TListNames& n) { return n.root == root; });
}

TNamedList::TNamedList(TListNames names)
    : m_names(std::move(names))
{
}

Basics::TValue* TNamedList::createValue() const
{
    return m_names.create ? m_names.create() : new Basics::TValue;
}

} // namespace PosLib
