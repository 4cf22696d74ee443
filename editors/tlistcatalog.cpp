// The table of lists: every list the back office shows, with its columns, captions and editor.
// A new editor is one line here.

#include "authorizationdlg.h"
#include "coatcheckrangedlg.h"
#include "generalsettingdlg.h"
#include "hashtagdlg.h"
#include "salepromotiondialog.h"
#include "salepromotionsgroupdialog.h"
#include "tarticlehelptextdlg.h"
#include "tarticlehelptextsgroupdlg.h"
#include "tcostcenterdlg.h"
#include "tcurrencies.h"
#include "tcurrencydlg.h"
#include "tdiscountdlg.h"
#include "textmoduledlg.h"
#include "textmodulesgroupdlg.h"
#include "tlistdescriptor.h"
#include "tmenucarddlg.h"
#include "tnetcarddlg.h"
#include "tnetclientdlg.h"
#include "tpayformdlg.h"
#include "tpriceleveldlg.h"
#include "trecorddlg.h"
#include "tshiftdlg.h"
#include "tshiftgroupdlg.h"
#include "tsubventmapdlg.h"
#include "ttablecfgdlg.h"
#include "ttaxgroupdlg.h"
#include "ttemplateactiondlg.h"
#include "tvatratedlg.h"
#include "workmodeldialog.h"

#include <QCoreApplication>

namespace LumDialogs {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TListCatalog", text);
}

TLumColumn column(const char* title, const char* key, TLumColumn::Kind kind = TLumColumn::Text)
{
    return {tr(title), QString::fromLatin1(key), kind};
}

TLumColumn text(const char* title, const char* key)
{
    return column(title, key);
}

TLumColumn numeric(const char* title, const char* key)
{
    return column(title, key, TLumColumn::Number);
}

// The id of a record of another list, shown by its name.
TLumColumn reference(const char* title, const char* key, QLatin1String list)
{
    TLumColumn result = column(title, key, TLumColumn::Reference);
    result.reference = list;
    return result;
}

// Ids of records of another list in one attribute.
TLumColumn references(const char* title, const char* key, QLatin1String list, char separator)
{
    TLumColumn result = column(title, key, TLumColumn::References);
    result.reference = list;
    result.separator = QLatin1Char(separator);
    return result;
}

// Not listed unless the operator chooses it; still known to the record editor and the checks.
TLumColumn hidden(TLumColumn column)
{
    column.shown = false;
    return column;
}

// Ids inside compound entries: entries joined by one separator, each made of parts joined by another,
// the id being the part of that index ("3,12;7,1" holds the printers 3 and 7 in part 0).
TLumColumn compound(const char* title, const char* key, QLatin1String list, char entries, char parts,
                    int part)
{
    TLumColumn result = hidden(references(title, key, list, entries));
    const QString attribute = QString::fromLatin1(key);
    result.idsOf = [attribute, entries, parts, part](const Basics::TValue& record) {
        QList<int> ids;
        for (const QString& entry :
             record.getString(attribute).split(QLatin1Char(entries), Qt::SkipEmptyParts)) {
            const int id = entry.section(QLatin1Char(parts), part, part).trimmed().toInt();
            if (id != 0)
                ids << id;
        }
        return ids;
    };
    return result;
}

// A printer list of a payment form: "printer,layout" pairs joined by ";".
TLumColumn printouts(const char* title, const char* key, QLatin1String list, int part)
{
    return compound(title, key, list, ';', ',', part);
}

QString amountIn(TLumWorkspace* workspace, qint64 amount)
{
    const auto* currencies =
        workspace ? qobject_cast<const TCurrencies*>(workspace->getData(PosLib::Lists::currencies)) : nullptr;
    return currencies ? currencies->amountToText(amount) : QString::number(amount);
}

// A VAT rate: a percentage, or for a fixed amount an amount of the system currency.
TLumColumn vatRate()
{
    TLumColumn result = column("Rate", "rate", TLumColumn::Percent);
    result.format = [](const Basics::TValue& record, TLumWorkspace* workspace) {
        const int rate = record.getInt("rate");
        return record.getInt("type") == PosLib::TVatRate::FixAmount ? amountIn(workspace, rate)
                                                                    : TLumColumn::percentText(rate);
    };
    return result;
}

TLumColumn vatType()
{
    TLumColumn result = column("Type", "type", TLumColumn::Number);
    result.format = [](const Basics::TValue& record, TLumWorkspace*) {
        switch (record.getInt("type")) {
        case 1:
            return tr("from netto");
        case 2:
            return tr("fixed amount");
        default:
            return tr("from brutto");
        }
    };
    return result;
}

// A discount: a percentage, or for an absolute one an amount of the system currency.
TLumColumn discountRate()
{
    TLumColumn result = column("Rate", "rate", TLumColumn::Decimal);
    result.format = [](const Basics::TValue& record, TLumWorkspace* workspace) {
        const double rate = record.getDouble("rate");
        return record.getBool("absolut") ? amountIn(workspace, qRound64(rate))
                                         : QString::number(rate, 'g', 10);
    };
    return result;
}

// The number and the name lead every list.
QList<TLumColumn> columns(QList<TLumColumn> extra)
{
    QList<TLumColumn> all{numeric("Number", "id"), text("Name", "name")};
    return all + extra;
}

// A list edited by the record editor built from its columns.
TListDescriptor list(const QString& group, QLatin1String name, const char* title,
                     QList<TLumColumn> extra = {})
{
    const QString root = name;
    TEditorFactory factory = [root](TLumWindow* window, TLumListView* view) -> std::unique_ptr<QDialog> {
        return std::make_unique<TRecordDlg>(window, view, *TListDescriptor::find(root));
    };
    const QString shown = tr(title);
    return {PosLib::TListNames::forRoot(name),
            group,
            shown,
            tr("%1: edit record").arg(shown),
            tr("%1: edit records").arg(shown),
            columns(std::move(extra)),
            std::move(factory),
            QStringLiteral("TRecordDlg"),
            false};
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
            std::move(factory),
            QString::fromLatin1(Editor::staticMetaObject.className()),
            true};
}

// A list whose editor writes to the card on the reader, not into the list.
template <class Editor>
TListDescriptor readerEdited(const QString& group, const char* title, const char* caption,
                             QList<TLumColumn> extra = {})
{
    TListDescriptor descriptor = edited<Editor>(group, title, caption, caption, std::move(extra));
    descriptor.writesRecords = false;
    return descriptor;
}

QList<TListDescriptor> build()
{
    const QString master = tr("Master data");
    const QString venue = tr("Venue");
    const QString cards = tr("Cards and clients");
    const QString cash = tr("Cash office");
    const QString promotions = tr("Promotions");
    using L = QLatin1String;
    using K = TLumColumn::Kind;
    return {
        edited<TCurrencyDlg>(master, "Currencies", "Edit currency", "Edit currencies",
                             {text("Short name", "shortname"), column("Rate", "rate", K::Decimal),
                              numeric("Decimals", "decpos")}),
        edited<TVatRateDlg>(master, "VAT rates", "Edit VAT rate", "Edit VAT rates",
                            {text("Short name", "shortname"), vatRate(), vatType(),
                             hidden(references("Composed of", "compose", L("vatrates"), ':'))}),
        edited<TTaxGroupDlg>(master, "Tax groups", "Edit tax group", "Edit tax groups",
                             {references("VAT rates", "rates", L("vatrates"), ':')}),
        edited<TDiscountDlg>(master, "Discounts", "Edit discount", "Edit discounts",
                             {discountRate(), column("Absolute", "absolut", K::Flag),
                              reference("Article", "article", PosLib::Lists::articles)}),
        edited<TPriceLevelDlg>(master, "Price levels", "Edit pricelevel", "Edit pricelevels",
                               {column("Start", "start", K::Time), column("End", "end", K::Time),
                                column("Days", "days", K::Weekdays)}),
        edited<TCostCenterDlg>(master, "Cost centres", "Edit cost center", "Edit cost centers",
                               {text("Short name", "shortname"), text("Account", "account")}),
        edited<TPayformDlg>(
            master, "Payment forms", "Edit payform", "Edit payforms",
            {text("Short name", "shortname"), text("Button", "button"), text("Account", "account"),
             hidden(reference("Pricing method", "subvention", PosLib::Lists::subventions)),
             hidden(reference("Order if less", "ordermin", PosLib::Lists::articles)),
             hidden(reference("Order if more", "ordermax", PosLib::Lists::articles)),
             hidden(reference("Order PLU", "rndplu", PosLib::Lists::articles)),
             hidden(reference("No bonus department", "nobonusdep", PosLib::Lists::departments)),
             hidden(references("Currencies", "allowedcurrencies", PosLib::Lists::currencies, ';')),
             printouts("Bill printers", "printers", PosLib::Lists::prnconfigs, 0),
             printouts("Bill layouts", "printers", PosLib::Lists::layconfigs, 1),
             printouts("Part bill printers", "Pprinters", PosLib::Lists::prnconfigs, 0),
             printouts("Part bill layouts", "Pprinters", PosLib::Lists::layconfigs, 1),
             printouts("Restore printers", "Rprinters", PosLib::Lists::prnconfigs, 0),
             printouts("Restore layouts", "Rprinters", PosLib::Lists::layconfigs, 1)}),
        list(master, PosLib::Lists::articles, "Articles",
             {column("Price", "price", K::Amount), reference("Family", "family", L("families")),
              reference("Department", "department", PosLib::Lists::departments),
              reference("VAT rate", "vatrate", L("vatrates"))}),
        list(master, L("families"), "Families",
             {reference("Department", "department", PosLib::Lists::departments)}),
        list(master, PosLib::Lists::departments, "Departments"),
        list(master, PosLib::Lists::subventions, "Pricing methods"),
        edited<TSubventMapDlg>(master, "Subvention maps", "Edit subvent mapping", "Edit subvent mappings",
                               {reference("Subvention", "subventid", PosLib::Lists::subventions),
                                numeric("Period", "subventtype"), numeric("Max count", "maxsubvent"),
                                reference("Payform", "payformid", L("payforms"))}),
        edited<TextModuleDlg>(master, "Text modules", "Edit text module", "Edit text modules",
                              {text("Text", "text")}),
        edited<TextModulesGroupDlg>(master, "Text module groups", "Edit text modulegroup",
                                    "Edit text modulegroups",
                                    {compound("Modules", "modules", L("textmodules"), ',', '-', 0)}),
        edited<TArticleHelpTextDlg>(master, "Article help texts", "Edit helptext", "Edit helptexts",
                                    {text("Text", "text")}),
        edited<TArticleHelpTextsGroupDlg>(
            master, "Help text groups", "Edit helptext group", "Edit helptext groups",
            {compound("Modules", "modules", L("articlehelptexts"), ',', '-', 0)}),
        edited<HashTagDlg>(master, "Hash tags", "Edit hashtag", "Edit hashtag",
                           {text("Button", "buttoncaption"), text("Tag", "tag")}),
        edited<GeneralSettingDlg>(
            master, "General settings", "Edit general setting", "Edit general settings",
            {numeric("Voucher system", "vouchersystem"), text("Bakery exchange", "bakeryexchangepath")}),
        list(master, PosLib::Lists::settings, "System settings",
             {column("Bonus", "usebonus", K::Flag),
              hidden(reference("System currency", "syscurr", PosLib::Lists::currencies))}),
        edited<TTableCfgDlg>(venue, "Table configurations", "Edit table configuration",
                             "Edit table configurations",
                             {reference("Cost centre", "center", L("costcenters")),
                              reference("Waiter", "waiter", PosLib::Lists::waiters),
                              reference("Menu card", "menucard", L("menucards")),
                              reference("Payform", "payform", L("payforms")),
                              hidden(reference("Currency", "currency", PosLib::Lists::currencies)),
                              hidden(reference("Pricing method", "subvention", PosLib::Lists::subventions)),
                              hidden(reference("Price level", "level", L("pricelevels"))),
                              hidden(reference("Creation article", "createart", PosLib::Lists::articles)),
                              hidden(reference("Order if less", "ordermin", PosLib::Lists::articles)),
                              hidden(reference("Order if more", "ordermax", PosLib::Lists::articles))}),
        edited<TMenuCardDlg>(
            venue, "Menu cards", "Edit menu card", "Edit menu cards",
            {reference("Price level", "pricelevel", L("pricelevels")),
             hidden(references("Excluded articles", "excludes", PosLib::Lists::articles, ':'))}),
        edited<TShiftDlg>(venue, "Shifts", "Edit shift", "Edit shifts",
                          {reference("Group", "group", L("shiftgroups")), column("Start", "start", K::Time),
                           column("End", "end", K::Time), column("Days", "days", K::Weekdays)}),
        edited<TShiftGroupDlg>(venue, "Shift groups", "Edit shift group", "Edit shift groups"),
        edited<WorkmodelDialog>(venue, "Working models", "Edit workingmodel", "Edit workingmodels",
                                {numeric("Grace period", "graceperiod"), hidden(text("Model", "model"))}),
        list(venue, PosLib::Lists::waiters, "Waiters",
             {text("Short name", "shortname"), column("Trainee", "trainee", K::Flag)}),
        list(venue, L("waiterrights"), "Waiter rights"),
        edited<CoatCheckRangeDlg>(
            venue, "Coat-check ranges", "Edit coatcheck range", "Edit coatcheck ranges",
            {numeric("Begin", "begin"), numeric("End", "end"), numeric("Mode", "mode")}),
        list(venue, L("outlets"), "Outlets"),
        list(venue, L("terminals"), "Terminals"),
        list(venue, PosLib::Lists::prnconfigs, "Printers", {text("Device", "device")}),
        list(venue, PosLib::Lists::layconfigs, "Layouts", {text("File", "file")}),
        list(venue, L("prncontrols"), "Printer controls"),
        list(venue, L("modifiers"), "Modifiers"),
        readerEdited<TNetCardDlg>(cards, "Cards", "Manage card properties",
                                  {text("Chip", "uid"), reference("Client", "clientnumber", L("netclients")),
                                   numeric("Card number", "cardnumber")}),
        edited<TNetClientDlg>(cards, "Clients", "Edit client", "Edit clients",
                              {text("First name", "prename"), text("City", "city"), text("Phone", "phone1"),
                               reference("Parent", "parentid", L("netclients"))}),
        edited<TTemplateActionDlg>(cards, "Card action templates", "Edit card action template...",
                                   "Edit card action template...", {hidden(text("Actions", "templates"))}),
        edited<AuthorizationDlg>(cards, "Authorizations", "Edit authorization", "Edit authorizations",
                                 {text("Description", "description")}),
        list(cash, L("zcounts"), "Z counts"),
        edited<SalePromotionDialog>(promotions, "Sales promotions", "Edit sales promotion",
                                    "Edit sale promotions",
                                    {text("Description", "description"), hidden(text("Model", "model"))}),
        edited<SalePromotionsGroupDialog>(promotions, "Promotion groups", "Edit sale promotions group",
                                          "Edit sale promotions groups",
                                          {text("Description", "description"),
                                           references("Promotions", "promotions", L("salepromotions"), ';')}),
    };
}

} // namespace

const QList<TListDescriptor>& TListDescriptor::all()
{
    static const QList<TListDescriptor> table = build();
    return table;
}

} // namespace LumDialogs
