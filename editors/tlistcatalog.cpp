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

// The context lupdate gives the free functions of the namespace, and so the titles marked with
// QT_TR_NOOP in the table below.
QString tr(const char* text)
{
    return QCoreApplication::translate("LumDialogs", text);
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
    TLumColumn result = column(QT_TR_NOOP("Rate"), "rate", TLumColumn::Percent);
    result.format = [](const Basics::TValue& record, TLumWorkspace* workspace) {
        const int rate = record.getInt("rate");
        return record.getInt("type") == PosLib::TVatRate::FixAmount ? amountIn(workspace, rate)
                                                                    : TLumColumn::percentText(rate);
    };
    return result;
}

TLumColumn vatType()
{
    TLumColumn result = column(QT_TR_NOOP("Type"), "type", TLumColumn::Number);
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
    TLumColumn result = column(QT_TR_NOOP("Rate"), "rate", TLumColumn::Decimal);
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
    QList<TLumColumn> all{numeric(QT_TR_NOOP("Number"), "id"), text(QT_TR_NOOP("Name"), "name")};
    return all + extra;
}

// A list edited by the record editor built from its columns.
TListDescriptor list(const QString& group, QLatin1String name, const char* title,
                     QList<TLumColumn> extra = {})
{
    const QString root = name;
    TEditorFactory factory = [root](TLumWindow* window, TLumRecordRows* view) -> std::unique_ptr<QDialog> {
        return std::make_unique<TRecordDlg>(window, view ? view->rowsWidget() : nullptr,
                                            *TListDescriptor::find(root));
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
    TEditorFactory factory = [](TLumWindow* window, TLumRecordRows* view) -> std::unique_ptr<QDialog> {
        return std::make_unique<Editor>(window, view ? view->rowsWidget() : nullptr);
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
        edited<TCurrencyDlg>(
            master, QT_TR_NOOP("Currencies"), QT_TR_NOOP("Edit currency"), QT_TR_NOOP("Edit currencies"),
            {text(QT_TR_NOOP("Short name"), "shortname"), column(QT_TR_NOOP("Rate"), "rate", K::Decimal),
             numeric(QT_TR_NOOP("Decimals"), "decpos")}),
        edited<TVatRateDlg>(master, QT_TR_NOOP("VAT rates"), QT_TR_NOOP("Edit VAT rate"),
                            QT_TR_NOOP("Edit VAT rates"),
                            {text(QT_TR_NOOP("Short name"), "shortname"), vatRate(), vatType(),
                             hidden(references(QT_TR_NOOP("Composed of"), "compose", L("vatrates"), ':'))}),
        edited<TTaxGroupDlg>(master, QT_TR_NOOP("Tax groups"), QT_TR_NOOP("Edit tax group"),
                             QT_TR_NOOP("Edit tax groups"),
                             {references(QT_TR_NOOP("VAT rates"), "rates", L("vatrates"), ':')}),
        edited<TDiscountDlg>(master, QT_TR_NOOP("Discounts"), QT_TR_NOOP("Edit discount"),
                             QT_TR_NOOP("Edit discounts"),
                             {discountRate(), column(QT_TR_NOOP("Absolute"), "absolut", K::Flag),
                              reference(QT_TR_NOOP("Article"), "article", PosLib::Lists::articles)}),
        edited<TPriceLevelDlg>(
            master, QT_TR_NOOP("Price levels"), QT_TR_NOOP("Edit pricelevel"), QT_TR_NOOP("Edit pricelevels"),
            {column(QT_TR_NOOP("Start"), "start", K::Time), column(QT_TR_NOOP("End"), "end", K::Time),
             column(QT_TR_NOOP("Days"), "days", K::Weekdays)}),
        edited<TCostCenterDlg>(
            master, QT_TR_NOOP("Cost centres"), QT_TR_NOOP("Edit cost center"),
            QT_TR_NOOP("Edit cost centers"),
            {text(QT_TR_NOOP("Short name"), "shortname"), text(QT_TR_NOOP("Account"), "account")}),
        edited<TPayformDlg>(
            master, QT_TR_NOOP("Payment forms"), QT_TR_NOOP("Edit payform"), QT_TR_NOOP("Edit payforms"),
            {text(QT_TR_NOOP("Short name"), "shortname"), text(QT_TR_NOOP("Button"), "button"),
             text(QT_TR_NOOP("Account"), "account"),
             hidden(reference(QT_TR_NOOP("Pricing method"), "subvention", PosLib::Lists::subventions)),
             hidden(reference(QT_TR_NOOP("Order if less"), "ordermin", PosLib::Lists::articles)),
             hidden(reference(QT_TR_NOOP("Order if more"), "ordermax", PosLib::Lists::articles)),
             hidden(reference(QT_TR_NOOP("Order PLU"), "rndplu", PosLib::Lists::articles)),
             hidden(reference(QT_TR_NOOP("No bonus department"), "nobonusdep", PosLib::Lists::departments)),
             hidden(
                 references(QT_TR_NOOP("Currencies"), "allowedcurrencies", PosLib::Lists::currencies, ';')),
             printouts(QT_TR_NOOP("Bill printers"), "printers", PosLib::Lists::prnconfigs, 0),
             printouts(QT_TR_NOOP("Bill layouts"), "printers", PosLib::Lists::layconfigs, 1),
             printouts(QT_TR_NOOP("Part bill printers"), "Pprinters", PosLib::Lists::prnconfigs, 0),
             printouts(QT_TR_NOOP("Part bill layouts"), "Pprinters", PosLib::Lists::layconfigs, 1),
             printouts(QT_TR_NOOP("Restore printers"), "Rprinters", PosLib::Lists::prnconfigs, 0),
             printouts(QT_TR_NOOP("Restore layouts"), "Rprinters", PosLib::Lists::layconfigs, 1)}),
        list(master, PosLib::Lists::articles, QT_TR_NOOP("Articles"),
             {column(QT_TR_NOOP("Price"), "price", K::Amount),
              reference(QT_TR_NOOP("Family"), "family", L("families")),
              reference(QT_TR_NOOP("Department"), "department", PosLib::Lists::departments),
              reference(QT_TR_NOOP("VAT rate"), "vatrate", L("vatrates"))}),
        list(master, L("families"), QT_TR_NOOP("Families"),
             {reference(QT_TR_NOOP("Department"), "department", PosLib::Lists::departments)}),
        list(master, PosLib::Lists::departments, QT_TR_NOOP("Departments")),
        list(master, PosLib::Lists::subventions, QT_TR_NOOP("Pricing methods")),
        edited<TSubventMapDlg>(master, QT_TR_NOOP("Subvention maps"), QT_TR_NOOP("Edit subvent mapping"),
                               QT_TR_NOOP("Edit subvent mappings"),
                               {reference(QT_TR_NOOP("Subvention"), "subventid", PosLib::Lists::subventions),
                                numeric(QT_TR_NOOP("Period"), "subventtype"),
                                numeric(QT_TR_NOOP("Max count"), "maxsubvent"),
                                reference(QT_TR_NOOP("Payform"), "payformid", L("payforms"))}),
        edited<TextModuleDlg>(master, QT_TR_NOOP("Text modules"), QT_TR_NOOP("Edit text module"),
                              QT_TR_NOOP("Edit text modules"), {text(QT_TR_NOOP("Text"), "text")}),
        edited<TextModulesGroupDlg>(
            master, QT_TR_NOOP("Text module groups"), QT_TR_NOOP("Edit text modulegroup"),
            QT_TR_NOOP("Edit text modulegroups"),
            {compound(QT_TR_NOOP("Modules"), "modules", L("textmodules"), ',', '-', 0)}),
        edited<TArticleHelpTextDlg>(master, QT_TR_NOOP("Article help texts"), QT_TR_NOOP("Edit helptext"),
                                    QT_TR_NOOP("Edit helptexts"), {text(QT_TR_NOOP("Text"), "text")}),
        edited<TArticleHelpTextsGroupDlg>(
            master, QT_TR_NOOP("Help text groups"), QT_TR_NOOP("Edit helptext group"),
            QT_TR_NOOP("Edit helptext groups"),
            {compound(QT_TR_NOOP("Modules"), "modules", L("articlehelptexts"), ',', '-', 0)}),
        edited<HashTagDlg>(master, QT_TR_NOOP("Hash tags"), QT_TR_NOOP("Edit hashtag"),
                           QT_TR_NOOP("Edit hashtag"),
                           {text(QT_TR_NOOP("Button"), "buttoncaption"), text(QT_TR_NOOP("Tag"), "tag")}),
        edited<GeneralSettingDlg>(master, QT_TR_NOOP("General settings"), QT_TR_NOOP("Edit general setting"),
                                  QT_TR_NOOP("Edit general settings"),
                                  {numeric(QT_TR_NOOP("Voucher system"), "vouchersystem"),
                                   text(QT_TR_NOOP("Bakery exchange"), "bakeryexchangepath")}),
        list(master, PosLib::Lists::settings, QT_TR_NOOP("System settings"),
             {column(QT_TR_NOOP("Bonus"), "usebonus", K::Flag),
              hidden(reference(QT_TR_NOOP("System currency"), "syscurr", PosLib::Lists::currencies))}),
        edited<TTableCfgDlg>(
            venue, QT_TR_NOOP("Table configurations"), QT_TR_NOOP("Edit table configuration"),
            QT_TR_NOOP("Edit table configurations"),
            {reference(QT_TR_NOOP("Cost centre"), "center", L("costcenters")),
             reference(QT_TR_NOOP("Waiter"), "waiter", PosLib::Lists::waiters),
             reference(QT_TR_NOOP("Menu card"), "menucard", L("menucards")),
             reference(QT_TR_NOOP("Payform"), "payform", L("payforms")),
             hidden(reference(QT_TR_NOOP("Currency"), "currency", PosLib::Lists::currencies)),
             hidden(reference(QT_TR_NOOP("Pricing method"), "subvention", PosLib::Lists::subventions)),
             hidden(reference(QT_TR_NOOP("Price level"), "level", L("pricelevels"))),
             hidden(reference(QT_TR_NOOP("Creation article"), "createart", PosLib::Lists::articles)),
             hidden(reference(QT_TR_NOOP("Order if less"), "ordermin", PosLib::Lists::articles)),
             hidden(reference(QT_TR_NOOP("Order if more"), "ordermax", PosLib::Lists::articles))}),
        edited<TMenuCardDlg>(
            venue, QT_TR_NOOP("Menu cards"), QT_TR_NOOP("Edit menu card"), QT_TR_NOOP("Edit menu cards"),
            {reference(QT_TR_NOOP("Price level"), "pricelevel", L("pricelevels")),
             hidden(references(QT_TR_NOOP("Excluded articles"), "excludes", PosLib::Lists::articles, ':'))}),
        edited<TShiftDlg>(venue, QT_TR_NOOP("Shifts"), QT_TR_NOOP("Edit shift"), QT_TR_NOOP("Edit shifts"),
                          {reference(QT_TR_NOOP("Group"), "group", L("shiftgroups")),
                           column(QT_TR_NOOP("Start"), "start", K::Time),
                           column(QT_TR_NOOP("End"), "end", K::Time),
                           column(QT_TR_NOOP("Days"), "days", K::Weekdays)}),
        edited<TShiftGroupDlg>(venue, QT_TR_NOOP("Shift groups"), QT_TR_NOOP("Edit shift group"),
                               QT_TR_NOOP("Edit shift groups")),
        edited<WorkmodelDialog>(
            venue, QT_TR_NOOP("Working models"), QT_TR_NOOP("Edit workingmodel"),
            QT_TR_NOOP("Edit workingmodels"),
            {numeric(QT_TR_NOOP("Grace period"), "graceperiod"), hidden(text(QT_TR_NOOP("Model"), "model"))}),
        list(
            venue, PosLib::Lists::waiters, QT_TR_NOOP("Waiters"),
            {text(QT_TR_NOOP("Short name"), "shortname"), column(QT_TR_NOOP("Trainee"), "trainee", K::Flag)}),
        list(venue, L("waiterrights"), QT_TR_NOOP("Waiter rights")),
        edited<CoatCheckRangeDlg>(venue, QT_TR_NOOP("Coat-check ranges"), QT_TR_NOOP("Edit coatcheck range"),
                                  QT_TR_NOOP("Edit coatcheck ranges"),
                                  {numeric(QT_TR_NOOP("Begin"), "begin"), numeric(QT_TR_NOOP("End"), "end"),
                                   numeric(QT_TR_NOOP("Mode"), "mode")}),
        list(venue, L("outlets"), QT_TR_NOOP("Outlets")),
        list(venue, L("terminals"), QT_TR_NOOP("Terminals")),
        list(venue, PosLib::Lists::prnconfigs, QT_TR_NOOP("Printers"),
             {text(QT_TR_NOOP("Device"), "device")}),
        list(venue, PosLib::Lists::layconfigs, QT_TR_NOOP("Layouts"), {text(QT_TR_NOOP("File"), "file")}),
        list(venue, L("prncontrols"), QT_TR_NOOP("Printer controls")),
        list(venue, L("modifiers"), QT_TR_NOOP("Modifiers")),
        readerEdited<TNetCardDlg>(cards, QT_TR_NOOP("Cards"), QT_TR_NOOP("Manage card properties"),
                                  {text(QT_TR_NOOP("Chip"), "uid"),
                                   reference(QT_TR_NOOP("Client"), "clientnumber", L("netclients")),
                                   numeric(QT_TR_NOOP("Card number"), "cardnumber")}),
        edited<TNetClientDlg>(cards, QT_TR_NOOP("Clients"), QT_TR_NOOP("Edit client"),
                              QT_TR_NOOP("Edit clients"),
                              {text(QT_TR_NOOP("First name"), "prename"), text(QT_TR_NOOP("City"), "city"),
                               text(QT_TR_NOOP("Phone"), "phone1"),
                               reference(QT_TR_NOOP("Parent"), "parentid", L("netclients"))}),
        edited<TTemplateActionDlg>(
            cards, QT_TR_NOOP("Card action templates"), QT_TR_NOOP("Edit card action template..."),
            QT_TR_NOOP("Edit card action template..."), {hidden(text(QT_TR_NOOP("Actions"), "templates"))}),
        edited<AuthorizationDlg>(cards, QT_TR_NOOP("Authorizations"), QT_TR_NOOP("Edit authorization"),
                                 QT_TR_NOOP("Edit authorizations"),
                                 {text(QT_TR_NOOP("Description"), "description")}),
        list(cash, L("zcounts"), QT_TR_NOOP("Z counts")),
        edited<SalePromotionDialog>(
            promotions, QT_TR_NOOP("Sales promotions"), QT_TR_NOOP("Edit sales promotion"),
            QT_TR_NOOP("Edit sale promotions"),
            {text(QT_TR_NOOP("Description"), "description"), hidden(text(QT_TR_NOOP("Model"), "model"))}),
        edited<SalePromotionsGroupDialog>(
            promotions, QT_TR_NOOP("Promotion groups"), QT_TR_NOOP("Edit sale promotions group"),
            QT_TR_NOOP("Edit sale promotions groups"),
            {text(QT_TR_NOOP("Description"), "description"),
             references(QT_TR_NOOP("Promotions"), "promotions", L("salepromotions"), ';')}),
    };
}

} // namespace

const QList<TListDescriptor>& TListDescriptor::all()
{
    static const QList<TListDescriptor> table = build();
    return table;
}

} // namespace LumDialogs
