// The table of lists: every list the back office shows, with its columns, captions and editor.
// A new editor is one line here.

#include "tcostcenterdlg.h"
#include "tcurrencydlg.h"
#include "tdiscountdlg.h"
#include "tlistdescriptor.h"
#include "tmenucarddlg.h"
#include "tpayformdlg.h"
#include "tpriceleveldlg.h"
#include "tsubventmapdlg.h"
#include "ttablecfgdlg.h"
#include "ttaxgroupdlg.h"
#include "tvatratedlg.h"

#include <QCoreApplication>

namespace LumDialogs {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TListCatalog", text);
}

TLumColumn text(const char* title, const char* key)
{
    return {tr(title), QString::fromLatin1(key), false};
}

TLumColumn numeric(const char* title, const char* key)
{
    return {tr(title), QString::fromLatin1(key), true};
}

// The number and the name lead every list.
QList<TLumColumn> columns(QList<TLumColumn> extra)
{
    QList<TLumColumn> all{numeric("Number", "id"), text("Name", "name")};
    return all + extra;
}

// A list shown without an editor of its own.
TListDescriptor list(const QString& group, QLatin1String name, const char* title,
                     QList<TLumColumn> extra = {})
{
    return {PosLib::TListNames::forRoot(name), group, tr(title), {}, {}, columns(std::move(extra)), {}};
}

// A list with its editor; the list is the one of the editor's record class.
template <class Editor>
TListDescriptor edited(const QString& group, const char* title, const char* captionOne,
                       const char* captionMany, QList<TLumColumn> extra = {})
{
    TEditorFactory factory = [](TLumWindow* window, TLumListView* view) -> std::unique_ptr<QDialog> {
        return std::make_unique<Editor>(window, view);
    };
    return {PosLib::TListNames::of<typename Editor::RecordType>(),
            group,
            tr(title),
            tr(captionOne),
            tr(captionMany),
            columns(std::move(extra)),
            std::move(factory)};
}

QList<TListDescriptor> build()
{
    const QString master = tr("Master data");
    const QString venue = tr("Venue");
    const QString cards = tr("Cards and clients");
    const QString cash = tr("Cash office");
    const QString promotions = tr("Promotions");
    using L = QLatin1String;
    return {
        edited<TCurrencyDlg>(
            master, "Currencies", "Edit currency", "Edit currencies",
            {text("Short name", "shortname"), numeric("Rate", "rate"), numeric("Decimals", "decpos")}),
        edited<TVatRateDlg>(
            master, "VAT rates", "Edit VAT rate", "Edit VAT rates",
            {text("Short name", "shortname"), numeric("Rate", "rate"), numeric("Type", "type")}),
        edited<TTaxGroupDlg>(master, "Tax groups", "Edit tax group", "Edit tax groups",
                             {text("VAT rates", "rates")}),
        edited<TDiscountDlg>(
            master, "Discounts", "Edit discount", "Edit discounts",
            {numeric("Rate", "rate"), text("Absolute", "absolut"), numeric("Article", "article")}),
        edited<TPriceLevelDlg>(master, "Price levels", "Edit pricelevel", "Edit pricelevels",
                               {numeric("Start", "start"), numeric("End", "end"), numeric("Days", "days")}),
        edited<TCostCenterDlg>(master, "Cost centres", "Edit cost center", "Edit cost centers",
                               {text("Short name", "shortname"), text("Account", "account")}),
        edited<TPayformDlg>(
            master, "Payment forms", "Edit payform", "Edit payforms",
            {text("Short name", "shortname"), text("Button", "button"), text("Account", "account")}),
        list(master, PosLib::Lists::articles, "Articles",
             {numeric("Price", "price"), numeric("Family", "family"), numeric("Department", "department"),
              numeric("VAT rate", "vatrate")}),
        list(master, L("families"), "Families", {numeric("Department", "department")}),
        list(master, PosLib::Lists::departments, "Departments"),
        list(master, PosLib::Lists::subventions, "Pricing methods"),
        edited<TSubventMapDlg>(master, "Subvention maps", "Edit subvent mapping", "Edit subvent mappings",
                               {numeric("Subvention", "subventid"), numeric("Period", "subventtype"),
                                numeric("Max count", "maxsubvent"), numeric("Payform", "payformid")}),
        list(master, L("textmodules"), "Text modules", {numeric("Group", "group")}),
        list(master, L("textmodulesgroups"), "Text module groups"),
        list(master, L("articlehelptexts"), "Article help texts"),
        list(master, L("articlehelptextsgroups"), "Help text groups"),
        list(master, L("hashtags"), "Hash tags"),
        list(master, L("generalsettings"), "General settings"),
        list(master, PosLib::Lists::settings, "System settings", {text("Bonus", "usebonus")}),
        edited<TTableCfgDlg>(venue, "Table configurations", "Edit table configuration",
                             "Edit table configurations",
                             {numeric("Cost centre", "center"), numeric("Waiter", "waiter"),
                              numeric("Menu card", "menucard"), numeric("Payform", "payform")}),
        edited<TMenuCardDlg>(venue, "Menu cards", "Edit menu card", "Edit menu cards",
                             {numeric("Price level", "pricelevel")}),
        list(venue, L("shifts"), "Shifts",
             {numeric("Group", "group"), numeric("Start", "start"), numeric("End", "end")}),
        list(venue, L("shiftgroups"), "Shift groups"),
        list(venue, L("workingmodels"), "Working models"),
        list(venue, PosLib::Lists::waiters, "Waiters",
             {text("Short name", "shortname"), text("Trainee", "trainee")}),
        list(venue, L("waiterrights"), "Waiter rights"),
        list(venue, L("coatcheckranges"), "Coat-check ranges"),
        list(venue, L("outlets"), "Outlets"),
        list(venue, L("terminals"), "Terminals"),
        list(venue, PosLib::Lists::prnconfigs, "Printers", {text("Device", "device")}),
        list(venue, PosLib::Lists::layconfigs, "Layouts", {text("File", "file")}),
        list(venue, L("prncontrols"), "Printer controls"),
        list(venue, L("modifiers"), "Modifiers"),
        list(cards, L("pseudoproperties"), "Cards", {text("Chip", "uid"), numeric("Client", "client")}),
        list(cards, L("netclients"), "Clients",
             {text("First name", "firstname"), text("Company", "company")}),
        list(cards, L("templatecardactions"), "Card action templates"),
        list(cards, L("authorizations"), "Authorizations"),
        list(cash, L("zcounts"), "Z counts"),
        list(promotions, L("salepromotions"), "Sales promotions"),
        list(promotions, L("salepromotionsgroups"), "Promotion groups"),
    };
}

} // namespace

const QList<TListDescriptor>& TListDescriptor::all()
{
    static const QList<TListDescriptor> table = build();
    return table;
}

} // namespace LumDialogs
