#include "demodata.h"

#include "cardlistdemo.h"
#include "cashofficedemo.h"
#include "historydemo.h"
#include "tlistnames.h"
#include "tvaluelist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <initializer_list>
#include <utility>

namespace {

using Attributes = std::initializer_list<std::pair<const char*, QString>>;

// One demo list, written only when its file is missing.
class DemoList {
public:
    DemoList(const QString& root, const char* name)
        : m_root(root)
        , m_list(PosLib::TListNames::forRoot(QString::fromLatin1(name)))
    {
    }

    DemoList& add(int id, Attributes attributes)
    {
        auto* value = new Basics::TValue;
        value->setID(id);
        for (const auto& [key, text] : attributes) {
            if (!text.isEmpty())
                value->set(key, text);
        }
        m_list.insert(value);
        return *this;
    }

    // Writes the list unless its file exists; true when it was written.
    bool save()
    {
        const QString path = m_root + QStringLiteral("usr/data/") + m_list.fileName();
        if (QFileInfo::exists(path))
            return false;
        m_list.save(QFile::encodeName(m_root).constData());
        return true;
    }

private:
    QString m_root;
    PosLib::TNamedList m_list;
};

QString n(qint64 value)
{
    return QString::number(value);
}

// The ids from first to last joined by ":", as lists of article ids are stored.
QString ids(int first, int last)
{
    QStringList texts;
    for (int id = first; id <= last; ++id)
        texts << n(id);
    return texts.join(u':');
}

int masterData(const QString& root)
{
    int written = 0;
    written += DemoList(root, "currencies")
                   .add(1, {{"name", "Euro"}, {"shortname", "EUR"}, {"rate", "1.00000"}, {"decpos", "2"}})
                   .add(2, {{"name", "Schweizer Franken"},
                            {"shortname", "CHF"},
                            {"rate", "0.94120"},
                            {"decpos", "2"},
                            {"decchar", "."},
                            {"thschar", "'"},
                            {"return", "yes"}})
                   .add(3, {{"name", "US Dollar"},
                            {"shortname", "USD"},
                            {"rate", "1.08340"},
                            {"decpos", "2"},
                            {"decchar", "."},
                            {"thschar", ","}})
                   .add(4, {{"name", "Pound Sterling"},
                            {"shortname", "GBP"},
                            {"rate", "0.85710"},
                            {"decpos", "2"},
                            {"decchar", "."},
                            {"thschar", ","}})
                   .save();
    written +=
        DemoList(root, "vatrates")
            .add(1, {{"name", "Standard rate"},
                     {"shortname", "A"},
                     {"rate", "1900"},
                     {"rkstaxid", "1"},
                     {"fiscaltaxsign", "A"}})
            .add(2, {{"name", "Reduced rate"},
                     {"shortname", "B"},
                     {"rate", "700"},
                     {"rkstaxid", "2"},
                     {"fiscaltaxsign", "B"},
                     {"guestta", "yes"}})
            .add(3, {{"name", "Exempt"}, {"shortname", "C"}, {"rkstaxid", "0"}, {"fiscaltaxsign", "C"}})
            .add(4, {{"name", "Bottle deposit"}, {"shortname", "D"}, {"rate", "25"}, {"type", "2"}})
            .add(5, {{"name", "Menu food and drink"}, {"shortname", "M"}, {"compose", "1:2"}})
            .save();
    written += DemoList(root, "taxgroups")
                   .add(1, {{"name", "Food"}, {"rates", "2"}})
                   .add(2, {{"name", "Beverages"}, {"rates", "1"}})
                   .add(3, {{"name", "Bottled beverages"}, {"rates", "1:4"}})
                   .save();
    written +=
        DemoList(root, "discounts")
            .add(1, {{"name", "Staff meal"}, {"rate", "50.00000"}})
            .add(2, {{"name", "Happy hour"}, {"rate", "20.00000"}, {"inorder", "yes"}})
            .add(3, {{"name", "Voucher 5.00"}, {"rate", "500.00000"}, {"absolut", "yes"}, {"rounding", "2"}})
            .add(4, {{"name", "Loyalty card"},
                     {"rate", "10.00000"},
                     {"article", "1001"},
                     {"suppressreason", "yes"},
                     {"rounding", "3"}})
            .save();
    written += DemoList(root, "pricelevels")
                   .add(1, {{"name", "Normal"}})
                   .add(2, {{"name", "Happy hour"}, {"start", "1700"}, {"end", "1900"}, {"days", "62"}})
                   .add(3, {{"name", "Weekend brunch"},
                            {"start", "900"},
                            {"end", "1400"},
                            {"days", "65"},
                            {"nodiscs", "yes"}})
                   .save();
    written += DemoList(root, "costcenters")
                   .add(1, {{"name", "Restaurant"}, {"shortname", "REST"}, {"account", "4000"}})
                   .add(2, {{"name", "Bar"}, {"shortname", "BAR"}, {"account", "4010"}})
                   .add(3, {{"name", "Terrace"}, {"shortname", "TER"}, {"account", "4020"}})
                   .add(4, {{"name", "Banquets"}, {"shortname", "BANQ"}, {"account", "4030"}})
                   .save();
    written += DemoList(root, "subventions")
                   .add(1, {{"name", "Staff price"}})
                   .add(2, {{"name", "Company canteen"}})
                   .save();
    written += DemoList(root, "textmodules")
                   .add(1, {{"name", "Without onions"}, {"text", "Without onions"}})
                   .add(2, {{"name", "Gluten free"}, {"text", "Gluten free|Prepare separately"}})
                   .add(3, {{"name", "Medium"}, {"text", "Cook medium"}})
                   .add(4, {{"name", "Ice on the side"}, {"text", "Ice on the side"}})
                   .add(5, {{"name", "Birthday"}, {"text", "Birthday table|Bring a candle with dessert"}})
                   .save();
    written += DemoList(root, "textmodulesgroups")
                   .add(1, {{"name", "Kitchen notes"}, {"modules", "1-0,2-10,3-0"}})
                   .add(2, {{"name", "Bar notes"}, {"modules", "4-0,5-99"}})
                   .save();
    written +=
        DemoList(root, "articlehelptexts")
            .add(1, {{"name", "Allergens: gluten"}, {"text", "Contains gluten (wheat)"}})
            .add(2, {{"name", "Allergens: nuts"}, {"text", "Contains nuts|May contain traces of peanuts"}})
            .add(3, {{"name", "Serving"}, {"text", "Serve at 8 \u00b0C"}})
            .save();
    written += DemoList(root, "articlehelptextsgroups")
                   .add(1, {{"name", "Allergens"}, {"modules", "1-0,2-0"}})
                   .save();
    written += DemoList(root, "hashtags")
                   .add(1, {{"name", "Vegetarian"}, {"buttoncaption", "Veggie"}, {"tag", "#veggie"}})
                   .add(2, {{"name", "Regional"}, {"buttoncaption", "Regional"}, {"tag", "#regional"}})
                   .add(3, {{"name", "Season"}, {"buttoncaption", "Season"}, {"tag", "#season"}})
                   .save();
    written += DemoList(root, "generalsettings")
                   .add(1, {{"name", "Restaurant"},
                            {"iconexchangepath", "var\\spool\\icon"},
                            {"iconresponsetimeout", "10"},
                            {"iconexports", "no"},
                            {"vouchersystem", "2"},
                            {"hascustomvoucherdata", "yes"},
                            {"customvoucherdata", "outlet=1:terminal.waiter"},
                            {"printonlistchange", "no"}})
                   .add(2, {{"name", "Bakery shop"},
                            {"vouchersystem", "1"},
                            {"protelvoucherhost", "hotel.local"},
                            {"bakeryexchangepath", "var/spool/bakery"},
                            {"printonlistchange", "yes"},
                            {"preorderinplu", "1301"},
                            {"preorderoutplu", "1302"}})
                   .save();
    written += DemoList(root, "departments")
                   .add(1, {{"name", "Kitchen"}})
                   .add(2, {{"name", "Bar"}})
                   .add(3, {{"name", "Wine cellar"}})
                   .add(4, {{"name", "Pastry"}})
                   .add(5, {{"name", "Shop"}})
                   .save();
    return written;
}

int articles(const QString& root)
{
    // Families with their department and a few typical articles, repeated in sizes and variants.
    struct Family {
        const char* name;
        int department;
        int vatrate;
        QList<const char*> items;
        int basePrice;
    };
    const QList<Family> families = {
        {"Starters",
         1,
         2,
         {"Soup of the day", "Caesar salad", "Carpaccio", "Bruschetta", "Antipasti plate"},
         750},
        {"Main courses",
         1,
         2,
         {"Wiener Schnitzel", "Grilled salmon", "Risotto", "Beef stew", "Vegetable curry"},
         1850},
        {"Pizza", 1, 2, {"Margherita", "Prosciutto", "Quattro stagioni", "Diavola", "Funghi"}, 1150},
        {"Desserts", 4, 2, {"Tiramisu", "Apple strudel", "Creme brulee", "Ice cream", "Cheese cake"}, 650},
        {"Coffee", 2, 1, {"Espresso", "Cappuccino", "Latte macchiato", "Americano", "Hot chocolate"}, 290},
        {"Soft drinks", 2, 1, {"Cola", "Lemonade", "Orange juice", "Apple spritzer", "Iced tea"}, 350},
        {"Beer", 2, 1, {"Lager", "Wheat beer", "Pale ale", "Stout", "Alcohol-free beer"}, 420},
        {"White wine",
         3,
         1,
         {"Riesling", "Gruener Veltliner", "Chardonnay", "Sauvignon blanc", "Pinot grigio"},
         590},
        {"Red wine", 3, 1, {"Blaufraenkisch", "Zweigelt", "Merlot", "Pinot noir", "Cabernet"}, 640},
        {"Spirits", 2, 1, {"Gin", "Rum", "Whisky", "Grappa", "Apricot brandy"}, 480},
        {"Cakes", 4, 2, {"Sacher cake", "Lemon tart", "Carrot cake", "Linzer cake", "Poppy seed cake"}, 420},
        {"Shop", 5, 2, {"Olive oil", "House wine bottle", "Coffee beans", "Jam", "Gift voucher"}, 990},
    };
    const QList<std::pair<const char*, int>> variants = {{"", 0},           {" (small)", -150},
                                                         {" (large)", 250}, {" to go", -50},
                                                         {" special", 300}, {" (half)", -200}};
    DemoList familyList(root, "families");
    DemoList articleList(root, "articles");
    int id = 1000;
    for (int f = 0; f < families.size(); ++f) {
        const Family& family = families[f];
        familyList.add(f + 1,
                       {{"name", QString::fromLatin1(family.name)}, {"department", n(family.department)}});
        for (const auto& [suffix, extra] : variants) {
            for (int i = 0; i < family.items.size(); ++i) {
                const int price = std::max(100, family.basePrice + extra + i * 40);
                articleList.add(++id,
                                {{"name", QString::fromLatin1(family.items[i]) + QString::fromLatin1(suffix)},
                                 {"price", n(price)},
                                 {"family", n(f + 1)},
                                 {"department", n(family.department)},
                                 {"vatrate", n(family.vatrate)}});
            }
        }
    }
    // Articles booked into the coat check, each into its range.
    articleList.add(9001, {{"name", "Coat check"}, {"price", n(200)}, {"coatcheckrangeid", n(1)}})
        .add(9002, {{"name", "Coat check bag"}, {"price", n(300)}, {"coatcheckrangeid", n(1)}})
        .add(9003, {{"name", "Coat check banquet"}, {"coatcheckrangeid", n(2)}});
    // Articles booked as the combination of a promotion.
    articleList
        .add(9101, {{"name", "Pizza menu"}, {"price", n(1290)}, {"department", n(1)}, {"vatrate", n(2)}})
        .add(9102, {{"name", "Coffee and cake"}, {"price", n(590)}, {"department", n(4)}, {"vatrate", n(2)}});
    return familyList.save() + articleList.save();
}

int venue(const QString& root)
{
    int written = 0;
    written += DemoList(root, "payforms")
                   .add(1, {{"name", "Cash"},
                            {"shortname", "CASH"},
                            {"button", "Cash"},
                            {"account", "1000"},
                            {"doaskgiven", "yes"},
                            {"paycurr", "yes"},
                            {"allowedcurrencies", "2;3"},
                            {"extposacc", "1000"},
                            {"extnegacc", "1001"},
                            {"extposdiffacc", "2700"},
                            {"extnegdiffacc", "2710"}})
                   .add(2, {{"name", "Credit card"},
                            {"shortname", "CARD"},
                            {"button", "Card"},
                            {"account", "1200"},
                            {"dodrawer", "no"},
                            {"dochanger", "no"},
                            {"doasktip", "yes"},
                            {"rndtype", "0"},
                            {"drawercounted", "no"}})
                   .add(3, {{"name", "Voucher"},
                            {"shortname", "VOUCH"},
                            {"button", "Voucher"},
                            {"account", "1300"},
                            {"noreturn", "yes"},
                            {"printers", "1,1"},
                            {"extposacc", "1300"},
                            {"extnegacc", "1301"}})
                   .add(4, {{"name", "Room charge"},
                            {"shortname", "ROOM"},
                            {"button", "Room"},
                            {"ishotel", "yes"},
                            {"doaskguestaddr", "yes"},
                            {"dodrawer", "no"},
                            {"drawercounted", "no"}})
                   .add(5, {{"name", "Staff account"},
                            {"shortname", "STAFF"},
                            {"isclients", "yes"},
                            {"subvention", "1"},
                            {"dodrawer", "no"},
                            {"drawercounted", "no"}})
                   .save();
    written += DemoList(root, "waiters")
                   .add(1, {{"name", "Anna Berger"}, {"shortname", "Anna"}})
                   .add(2, {{"name", "Lukas Huber"}, {"shortname", "Lukas"}})
                   .add(3, {{"name", "Sofia Rossi"}, {"shortname", "Sofia"}})
                   .add(4, {{"name", "Max Trainee"}, {"shortname", "Max"}, {"trainee", "yes"}})
                   .add(9, {{"name", "Manager"}, {"shortname", "Boss"}})
                   .save();
    written += DemoList(root, "prnconfigs")
                   .add(1, {{"name", "Bar printer"}, {"device", "/dev/usb/lp0"}})
                   .add(2, {{"name", "Kitchen printer"}, {"device", "kitchen.local:9100"}})
                   .add(3, {{"name", "Office laser"}, {"device", "office"}})
                   .save();
    written += DemoList(root, "layconfigs")
                   .add(1, {{"name", "Bill"}, {"file", "bill.lay"}})
                   .add(2, {{"name", "Partial bill"}, {"file", "partbill.lay"}})
                   .add(3, {{"name", "Restore receipt"}, {"file", "restore.lay"}})
                   .add(4, {{"name", "Kitchen order"}, {"file", "kitchen.lay"}})
                   .save();
    written += DemoList(root, "outlets")
                   .add(1, {{"name", "Restaurant Lindenhof"}, {"path", "outlets/lindenhof"}})
                   .add(2, {{"name", "Lindenhof Bar"}, {"path", "outlets/bar"}})
                   .save();
    // The articles a card excludes: no spirits at lunch, no coffee to go in the evening, no food at
    // the bar.
    written += DemoList(root, "menucards")
                   .add(1, {{"name", "Lunch menu"}, {"pricelevel", "1"}, {"excludes", ids(1271, 1300)}})
                   .add(2, {{"name", "Evening menu"}, {"pricelevel", "1"}, {"excludes", ids(1136, 1140)}})
                   .add(3, {{"name", "Bar card"}, {"pricelevel", "2"}, {"excludes", ids(1001, 1090)}})
                   .save();
    written +=
        DemoList(root, "shiftgroups").add(1, {{"name", "Service"}}).add(2, {{"name", "Kitchen"}}).save();
    written += DemoList(root, "shifts")
                   .add(1, {{"name", "Early"}, {"group", "1"}, {"start", "600"}, {"end", "1430"}})
                   .add(2, {{"name", "Late"}, {"group", "1"}, {"start", "1400"}, {"end", "2300"}})
                   .add(3, {{"name", "Kitchen day"}, {"group", "2"}, {"start", "900"}, {"end", "1730"}})
                   .save();
    written += DemoList(root, "workingmodels")
                   .add(1, {{"name", "Office week"},
                            {"graceperiod", "10"},
                            {"model", "{\"1\":{\"begin\":\"08:00\"},\"2\":{\"begin\":\"08:00\"},"
                                      "\"3\":{\"begin\":\"08:00\"},\"4\":{\"begin\":\"08:00\"},"
                                      "\"5\":{\"begin\":\"08:00\"}}"}})
                   .add(2, {{"name", "Weekend service"},
                            {"graceperiod", "5"},
                            {"model", "{\"6\":{\"begin\":\"10:00\"},\"7\":{\"begin\":\"10:15\"}}"}})
                   .save();
    written += DemoList(root, "coatcheckranges")
                   .add(1, {{"name", "Main cloakroom"}, {"begin", "1"}, {"end", "300"}, {"mode", "0"}})
                   .add(2, {{"name", "Banquet hall"}, {"begin", "500"}, {"end", "650"}, {"mode", "1"}})
                   .save();
    written += DemoList(root, "tablecfgs")
                   .add(1, {{"name", "Table 1"}, {"center", "1"}, {"menucard", "1"}, {"doaskguests", "1"}})
                   .add(2, {{"name", "Table 2"}, {"center", "1"}, {"menucard", "2"}, {"waiter", "1"}})
                   .add(20, {{"name", "Bar counter"},
                             {"center", "2"},
                             {"menucard", "3"},
                             {"level", "2"},
                             {"payform", "1"},
                             {"dobill", "no"},
                             {"docomprtable", "yes"}})
                   .add(40, {{"name", "Terrace 1"},
                             {"center", "3"},
                             {"menucard", "1"},
                             {"currency", "1"},
                             {"limitmax", "50000"},
                             {"vat", "2"},
                             {"doaskseat", "1"}})
                   .add(90, {{"name", "Staff table"},
                             {"descr", "Meals of the staff, charged to their accounts"},
                             {"center", "1"},
                             {"waiter", "9"},
                             {"payform", "5"},
                             {"subvention", "1"},
                             {"doaskclient", "yes"},
                             {"dodiscount", "no"}})
                   .save();
    written += DemoList(root, "subventmaps")
                   .add(1, {{"name", "Staff meal"},
                            {"subventid", "1"},
                            {"maxsubvent", "1"},
                            {"payformid", "5"},
                            {"payformname", "Staff account"}})
                   .add(2, {{"name", "Canteen week"},
                            {"subventid", "2"},
                            {"subventtype", "2"},
                            {"maxsubvent", "5"},
                            {"payformid", "5"},
                            {"payformname", "Staff account"}})
                   .save();
    written += DemoList(root, "settings")
                   .add(0, {{"name", "Restaurant Lindenhof"},
                            {"usebonus", "yes"},
                            {"syscurr", "1"},
                            {"cashoutlet", "1"},
                            {"cashiocc", "1"},
                            {"officeid", "1"}})
                   .save();
    return written;
}

// Promotions with every kind of condition: orders of an article (on a cost centre, at a price level,
// not discounted), articles of a department, and a table condition, which the back office keeps for
// the point of sale without editing it; grouped as the outlets offer them.
int promotions(const QString& root)
{
    int written = 0;
    written +=
        DemoList(root, "salepromotions")
            .add(1, {{"name", "Pizza menu"},
                     {"description", "A pizza and a soft drink at the price of the menu"},
                     {"model",
                      R"({"pages":[{"name":"Pizza and a soft drink","id":0,"active":true,"conditions":[)"
                      R"({"type":1,"plu":1061,"costcenter":0,"family":0,"pricelevel":0,"discount":2,)"
                      R"("count":1},{"type":2,"dep":2,"pricelevel":0,"count":1}]}],)"
                      R"("action":{"type":1,"prop":{"plu":9101}}})"}})
            .add(2,
                 {{"name", "Coffee and cake"},
                  {"model", R"({"pages":[{"name":"Afternoon","id":0,"active":true,"conditions":[{"type":1,)"
                            R"("plu":1121,"costcenter":0,"family":0,"pricelevel":0,"discount":0,"count":1},)"
                            R"({"type":1,"plu":1301,"costcenter":1,"family":0,"pricelevel":0,"discount":0,)"
                            R"("count":1}]},{"name":"Terrace","id":1,"active":true,"conditions":[{"type":1,)"
                            R"("plu":1122,"costcenter":3,"family":0,"pricelevel":0,"discount":0,"count":1},)"
                            R"({"type":2,"dep":4,"pricelevel":0,"count":1}]}],)"
                            R"("action":{"type":1,"prop":{"plu":9102}}})"}})
            .add(3, {{"name", "Happy hour beer"},
                     {"description", "Counted at the happy-hour price level"},
                     {"model",
                      R"({"pages":[{"name":"Two beers","id":0,"active":true,"conditions":[{"type":1,)"
                      R"("plu":1181,"costcenter":0,"family":0,"pricelevel":2,"discount":2,"count":2}]},)"
                      R"({"name":"Any three drinks","id":1,"active":false,"conditions":[{"type":2,)"
                      R"("dep":2,"pricelevel":2,"count":3}]}],"action":{}})"}})
            .add(4, {{"name", "Banquet tables"},
                     {"description", "The table condition is set at the point of sale"},
                     {"model", R"({"pages":[{"name":"Banquet tables","id":0,"active":true,"conditions":[)"
                               R"({"type":3,"table":40},{"type":2,"dep":1,"pricelevel":0,"count":4}]}],)"
                               R"("action":{}})"}})
            .save();
    written += DemoList(root, "salepromotionsgroups")
                   .add(1, {{"name", "Restaurant"}, {"promotions", "1;2"}})
                   .add(2, {{"name", "Bar"}, {"description", "Tried in this order"}, {"promotions", "3;1"}})
                   .add(3, {{"name", "Banquets"}, {"promotions", "4"}})
                   .save();
    return written;
}

int iniFiles(const QString& root)
{
    int written = 0;
    written += TDemoData::writeFile(
        root + QStringLiteral("lumconfig.ini"),
        "; Configuration of the back office\r\n"
        "[General]\r\nRestOfWorld = no\r\nTaxComposite = yes\r\n\r\n"
        "[KostForms]\r\nForm1 = A Summary by cost centre\r\nForm2 = W Summary by waiter\r\n"
        "Form3 = D Daily summary\r\n\r\n"
        "[TextGroups]\r\nSuggestions = Allergens|Kitchen notes|Bar notes\r\n\r\n"
        "; full, readonly or none, per dialog (its object name) or * for all\r\n"
        "[Rights]\r\n* = full\r\n\r\n"
        "; the trainee may look but not change\r\n"
        "[Rights.4]\r\n* = readonly\r\n");
    return written;
}

} // namespace

int TDemoData::create(const QString& dataRoot)
{
    QDir().mkpath(dataRoot);
    const QString root = QDir(dataRoot).absolutePath() + u'/';
    for (const char* folder :
         {"usr/data", "var/log", "var/tables", "var/archives", "var/statist", "var/activetables"})
        QDir().mkpath(root + QString::fromLatin1(folder));
    return masterData(root) + articles(root) + venue(root) + promotions(root) + iniFiles(root) +
           TCardListDemo::create(root) + TCashOfficeDemo::create(root) + THistoryDemo::create(root);
}

QString TDemoData::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lumoffice-demo");
}

bool TDemoData::writeFile(const QString& path, const QByteArray& text)
{
    if (QFileInfo::exists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return true;
}
