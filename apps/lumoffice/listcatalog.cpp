#include "listcatalog.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TListCatalog", text);
}

TLumColumn number()
{
    return {tr("Number"), QStringLiteral("id"), true};
}

TLumColumn name()
{
    return {tr("Name"), QStringLiteral("name"), false};
}

TLumColumn text(const char* title, const char* key)
{
    return {tr(title), QString::fromLatin1(key), false};
}

TLumColumn numeric(const char* title, const char* key)
{
    return {tr(title), QString::fromLatin1(key), true};
}

TListInfo list(const QString& group, const char* listName, const char* title, QList<TLumColumn> extra = {})
{
    QList<TLumColumn> columns{number(), name()};
    columns += extra;
    return {group, QString::fromLatin1(listName), tr(title), columns};
}

QList<TListInfo> build()
{
    const QString master = tr("Master data");
    const QString venue = tr("Venue");
    const QString cards = tr("Cards and clients");
    const QString cash = tr("Cash office");
    const QString promotions = tr("Promotions");
    return {
        list(master, "currencies", "Currencies",
             {text("Short name", "shortname"), numeric("Rate", "rate"), numeric("Decimals", "decpos")}),
        list(master, "vatrates", "VAT rates",
             {text("Short name", "shortname"), numeric("Rate", "rate"), numeric("Type", "type")}),
        list(master, "taxgroups", "Tax groups", {text("VAT rates", "rates")}),
        list(master, "discounts", "Discounts",
             {numeric("Rate", "rate"), text("Absolute", "absolut"), numeric("Article", "article")}),
        list(master, "pricelevels", "Price levels",
             {numeric("Start", "start"), numeric("End", "end"), numeric("Days", "days")}),
        list(master, "costcenters", "Cost centres",
             {text("Short name", "shortname"), text("Account", "account")}),
        list(master, "payforms", "Payment forms",
             {text("Short name", "shortname"), text("Button", "button"), text("Account", "account")}),
        list(master, "articles", "Articles",
             {numeric("Price", "price"), numeric("Family", "family"), numeric("Department", "department"),
              numeric("VAT rate", "vatrate")}),
        list(master, "families", "Families", {numeric("Department", "department")}),
        list(master, "departments", "Departments"),
        list(master, "subventions", "Pricing methods"),
        list(master, "subventmaps", "Subvention maps"),
        list(master, "textmodules", "Text modules", {numeric("Group", "group")}),
        list(master, "textmodulesgroups", "Text module groups"),
        list(master, "articlehelptexts", "Article help texts"),
        list(master, "articlehelptextsgroups", "Help text groups"),
        list(master, "hashtags", "Hash tags"),
        list(master, "generalsettings", "General settings"),
        list(master, "settings", "System settings", {text("Bonus", "usebonus")}),
        list(venue, "tablecfgs", "Table configurations"),
        list(venue, "menucards", "Menu cards"),
        list(venue, "shifts", "Shifts",
             {numeric("Group", "group"), numeric("Start", "start"), numeric("End", "end")}),
        list(venue, "shiftgroups", "Shift groups"),
        list(venue, "workingmodels", "Working models"),
        list(venue, "waiters", "Waiters", {text("Short name", "shortname"), text("Trainee", "trainee")}),
        list(venue, "waiterrights", "Waiter rights"),
        list(venue, "coatcheckranges", "Coat-check ranges"),
        list(venue, "outlets", "Outlets"),
        list(venue, "terminals", "Terminals"),
        list(venue, "prnconfigs", "Printers", {text("Device", "device")}),
        list(venue, "layconfigs", "Layouts", {text("File", "file")}),
        list(venue, "prncontrols", "Printer controls"),
        list(venue, "modifiers", "Modifiers"),
        list(cards, "pseudoproperties", "Cards", {text("Chip", "uid"), numeric("Client", "client")}),
        list(cards, "netclients", "Clients", {text("First name", "firstname"), text("Company", "company")}),
        list(cards, "templatecardactions", "Card action templates"),
        list(cards, "authorizations", "Authorizations"),
        list(cash, "zcounts", "Z counts"),
        list(promotions, "salepromotions", "Sales promotions"),
        list(promotions, "salepromotionsgroups", "Promotion groups"),
    };
}

} // namespace

const QList<TListInfo>& TListCatalog::lists()
{
    static const QList<TListInfo> catalog = build();
    return catalog;
}

const TListInfo* TListCatalog::find(const QString& name)
{
    const auto& catalog = lists();
    const auto it =
        std::find_if(catalog.cbegin(), catalog.cend(), [&](const TListInfo& l) { return l.name == name; });
    return it != catalog.cend() ? &*it : nullptr;
}

QStringList TListCatalog::groups()
{
    QStringList result;
    for (const TListInfo& info : lists()) {
        if (!result.contains(info.group))
            result << info.group;
    }
    return result;
}
