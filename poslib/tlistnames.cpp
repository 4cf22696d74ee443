#include "tlistnames.h"

#include "authorization.h"
#include "coatcheckrange.h"
#include "hashtag.h"
#include "salepromotion.h"
#include "tarticle.h"
#include "tcardactionlog.h"
#include "tcostcenter.h"
#include "tcurrency.h"
#include "tdiscount.h"
#include "tgeneralsetting.h"
#include "tmenucard.h"
#include "tnetcardaction.h"
#include "tnetclient.h"
#include "tpayform.h"
#include "tpricelevel.h"
#include "tpseudoproperty.h"
#include "tsettings.h"
#include "tshift.h"
#include "tsubventmap.h"
#include "ttablecfg.h"
#include "ttaxgroup.h"
#include "ttemplatecardaction.h"
#include "ttextmodule.h"
#include "tvatrate.h"
#include "workingmodel.h"

#include <algorithm>

namespace PosLib {

namespace {

TListNames entry(const char* root, const char* element, const char* file)
{
    return {QString::fromLatin1(root), QString::fromLatin1(element), QString::fromLatin1(file)};
}

// A list whose records are of their own class.
template <class Record>
TListNames entry(const char* root, const char* element, const char* file)
{
    return {QString::fromLatin1(root), QString::fromLatin1(element), QString::fromLatin1(file),
            [] { return static_cast<Basics::TValue*>(new Record); }, typeid(Record)};
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
        entry<TCurrency>("currencies", "currency", "currency.dat"),
        entry<TCostCenter>("costcenters", "costcenter", "centers.dat"),
        entry<TDiscount>("discounts", "discount", "discount.dat"),
        entry<TPricelevel>("pricelevels", "pricelevel", "prlevels.dat"),
        entry<TTaxGroup>("taxgroups", "taxgroup", "taxgroups.dat"),
        entry<TVatRate>("vatrates", "vatrate", "vatrate.dat"),
        entry<TArticleHelpText>("articlehelptexts", "articlehelptext", "articlehelptexts.dat"),
        entry<TSubventMap>("subventmaps", "subventmap", "subventmap.dat"),
        entry<TShift>("shifts", "shift", "shifts.dat"),
        entry<TShiftGroup>("shiftgroups", "shiftgroup", "shiftgroups.dat"),
        entry<TTextModule>("textmodules", "textmodule", "textmodules.dat"),
        entry<TTextModulesGroup>("textmodulesgroups", "textmodulesgroup", "textmodulesgroups.dat"),
        entry<WorkingModel>("workingmodels", "workingmodel", "workingmodels.dat"),
        entry("families", "family", "families.dat"),
        entry<Authorization>("authorizations", "authorization", "authorizations.dat"),
        entry<CoatCheckRange>("coatcheckranges", "coatcheckrange", "coatcheckranges.dat"),
        entry<TGeneralSetting>("generalsettings", "generalsetting", "generalsettings.dat"),
        entry<HashTag>("hashtags", "hashtag", "hashtags.dat"),
        entry<TMenuCard>("menucards", "menucard", "menucards.dat"),
        entry<SalePromotion>("salepromotions", "salepromotion", "salepromotions.dat"),
        entry<SalePromotionsGroup>("salepromotionsgroups", "salepromotionsgroup", "salepromotionsgroups.dat"),
        entry("waiterrights", "waiterright", "waiterrights.dat"),
        entry<TSetting>("settings", "setting", "settings.dat"),
        entry<TNetCardAction>("realnetcardactions", "realnetcardaction", "realnetcardactions.dat"),
        entry<TNetClient>("netclients", "netclient", "netclients.dat"),
        // Lists whose files the system names, with names in the same pattern.
        entry<TArticleHelpTextsGroup>("articlehelptextsgroups", "articlehelptextsgroup",
                                      "articlehelptextsgroups.dat"),
        entry<TPayform>("payforms", "payform", "payform.dat"),
        entry("zcounts", "zcount", "zcount.dat"),
        entry<TArticle>("articles", "article", "articles.dat"),
        entry("cardproperties", "cardproperty", "cardproperties.dat"),
        entry<TCardActionLog>("actionlogs", "actionlog", "actionlog.dat"),
        entry("subventions", "subvention", "subventions.dat"),
        entry<TTableCfg>("tablecfgs", "tablecfg", "tablecfg.dat"),
        entry("prnconfigs", "prnconfig", "prnconfigs.dat"),
        entry("departments", "department", "departments.dat"),
        entry("layconfigs", "layconfig", "layconfigs.dat"),
        entry("terminals", "terminal", "terminals.dat"),
        entry("prncontrols", "prncontrol", "prncontrols.dat"),
        entry("modifiers", "modifier", "modifiers.dat"),
        entry("waiters", "waiter", "waiters.dat"),
        entry("outlets", "outlet", "outlets.dat"),
        entry<TTemplateCardAction>("templatecardactions", "templatecardaction", "netcardactions.dat"),
        entry<TPseudoProperty>("pseudoproperties", "pseudoproperty", "pseudoproperties.dat"),
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

TListNames TListNames::forRecord(const std::type_info& type)
{
    const auto& table = known();
    const auto it = std::find_if(table.cbegin(), table.cend(),
                                 [&](const TListNames& n) { return n.create && n.recordType == type; });
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
