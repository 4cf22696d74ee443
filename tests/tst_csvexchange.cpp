// CSV export and import of the lists: how files from spreadsheets are read, and the import as an
// operator uses it in the back office and with lumdata.

#include "csvexchange.h"
#include "csvimport.h"
#include "demodata.h"
#include "lumtesthost.h"
#include "officewindow.h"
#include "testfiles.h"
#include "tvaluelist.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>

using PosLib::Csv::Encoding;

class TestCsvExchange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("ODBCINI"); // the history goes into the data root's own database
    }
    void init();
    void cleanup();
    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void previewThenImportAsAnOperator();
    void readOnlyUserAndTheCommandLine();

private:
    // The preview's rows as "line state details", as the dialog shows them.
    static QStringList shownRows(QDialog* dialog);
    QString root() const { return m_dir->path(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<TOfficeWindow> m_window;
};

void TestCsvExchange::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    QVERIFY(TDemoData::create(root()) > 10);
    QSettings().clear();
    m_workspace = std::make_unique<TLumWorkspace>(root());
    m_window = std::make_unique<TOfficeWindow>(m_workspace.get());
    m_window->setUser(3);
    QVERIFY(m_window->showList(QStringLiteral("currencies")));
}

void TestCsvExchange::cleanup()
{
    m_window.reset();
    m_workspace.reset();
    m_prompts.reset();
    m_dir.reset();
}

void TestCsvExchange::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("windows1252");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("lastRow"); // fields joined by "|", with the row's line in front
    QTest::addColumn<QString>("error");
    QTest::newRow("semicolons, UTF-8 with mark, decimal comma")
        << QByteArray("\xEF\xBB\xBFid;name;rate\r\n1;Euro;1,5\r\n2;Frank;-0,941\r\n") << ";" << false << true
        << "3:2|Frank|-0.941"
        << "";
    QTest::newRow("a point number keeps the commas")
        << QByteArray("id;name;rate\n1;1,5 l;1.5\n") << ";" << false << false << "2:1|1,5 l|1.5"
        << "";
    QTest::newRow("commas") << QByteArray("id,name,rate\n1,\"Euro, cash\",1.0\n") << "," << false << false
                            << "2:1|Euro, cash|1.0"
                            << "";
    QTest::newRow("tabs") << QByteArray("id\tname\n7\tBar\n") << "\t" << false << false << "2:7|Bar"
                          << "";
    QTest::newRow("Windows-1252") << QByteArray("id;name\n1;M\xFCller \x80\n") << ";" << true << false
                                  << "2:1|Müller €"
                                  << "";
    QTest::newRow("quotes and line breaks")
        << QByteArray("id;text\n1;\"a \"\"b\"\";\nc\"\n\n2;d\n") << ";" << false << false << "5:2|d"
        << "";
    QTest::newRow("a data file is no CSV")
        << QByteArray("\x00\x00\x00\x02\x00i\x00\x64", 8) << ";" << false << false << ""
        << "NUL character";
    QTest::newRow("no id column") << QByteArray("number;name\n1;Euro\n") << ";" << false << false << ""
                                  << "no column \"id\"";
    QTest::newRow("a column twice") << QByteArray("id;name;name\n") << ";" << false << false << ""
                                    << "a column twice";
    QTest::newRow("unclosed quote") << QByteArray("id;name\n1;\"Euro\n2;x\n") << ";" << false << false << ""
                                    << "begins on line 2 is never closed";
    QTest::newRow("too many columns")
        << "id" + QByteArray(PosLib::Csv::maxColumns, ';') << ";" << false << false << ""
        << "more than 1000 columns";
    QTest::newRow("too long a line") << "id;name\n1;" + QByteArray(PosLib::Csv::maxRecordLength + 1, 'x')
                                     << ";" << false << false << ""
                                     << "line 2 is longer";
    QTest::newRow("empty") << QByteArray("\n\n") << ";" << false << false << ""
                           << "empty";
}

void TestCsvExchange::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(bool, windows1252);
    QFETCH(bool, decimalComma);
    QFETCH(QString, lastRow);
    QFETCH(QString, error);

    const PosLib::Csv::Format format = PosLib::Csv::detect(bytes);
    QCOMPARE(QString(format.separator), separator);
    QCOMPARE(format.encoding == Encoding::Windows1252, windows1252);
    QCOMPARE(format.decimalComma, decimalComma);
    const PosLib::Csv::Table table = PosLib::Csv::read(bytes, format);
    QVERIFY2(error.isEmpty() ? table.error.isEmpty() : table.error.contains(error), qPrintable(table.error));
    if (error.isEmpty())
        QCOMPARE(QStringLiteral("%1:%2").arg(table.lines.last()).arg(table.rows.last().join(u'|')), lastRow);
    else
        QVERIFY(table.rows.isEmpty());
}

QStringList TestCsvExchange::shownRows(QDialog* dialog)
{
    const QAbstractItemModel* model = child<QTableView>(dialog, "m_Rows")->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column : {0, 3, 4})
            cells << model->index(row, column).data().toString();
        rows << cells.join(u' ').trimmed();
    }
    return rows;
}

namespace {

QString storedCurrency(const QString& root, int id, const char* key)
{
    PosLib::TNamedList list(PosLib::TListNames::forRoot(QStringLiteral("currencies")));
    list.load(QFile::encodeName(root).constData());
    const Basics::TValue* record = list.find(id);
    return record ? record->getString(key) : QStringLiteral("(none)");
}

int historyRows(TLumWorkspace& workspace)
{
    QSqlQuery query(workspace.database());
    return query.exec("SELECT COUNT(*) FROM ChangeHistory WHERE UserId = 3") && query.next()
               ? query.value(0).toInt()
               : -1;
}

} // namespace

// Export the list, change the file as in a spreadsheet (a new row, a changed one, a bad row in the
// middle), look at the preview, cancel, then import.
void TestCsvExchange::previewThenImportAsAnOperator()
{
    const QString path = m_dir->filePath("currencies.csv");
    m_prompts->texts.enqueue(path);
    m_window->exportRecordsAction()->trigger();
    const QByteArray exported = readFile(path);
    QVERIFY(exported.startsWith("\xEF\xBB\xBFid;decchar;decpos;name;rate;return;shortname;thschar\r\n"));
    QString text = QString::fromUtf8(exported);
    QVERIFY(text.contains(QStringLiteral("\r\n2;.;2;Schweizer Franken;0.94120;yes;CHF;'\r\n")));
    text.replace(QStringLiteral("Schweizer Franken"), QStringLiteral("Franken"));
    text.replace(QStringLiteral("\r\n3;"), QStringLiteral("\r\nUSD;;\r\n3;"));
    text += QStringLiteral("9;.;0;Yen;160.2;;JPY;\r\n");
    QVERIFY(writeFile(path, text.toUtf8()));
    const QStringList expected = {
        "2 unchanged", "3 changed name", "4 refused 3 fields where the first line names 8 columns",
        "5 unchanged", "6 unchanged",    "7 new"};

    for (const bool confirm : {false, true}) {
        m_prompts->texts.enqueue(path);
        bool shown = false;
        answerNextDialog([&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("TCsvImportDlg"));
            QCOMPARE(shownRows(dialog).mid(0, 6), expected);
            QVERIFY(child<QLabel>(dialog, "m_Summary")
                        ->text()
                        .startsWith("1 new, 1 changed, 3 unchanged, 1 refused"));
            child<QCheckBox>(dialog, "m_HideUnchanged")->setChecked(true);
            QCOMPARE(shownRows(dialog).size(), 3);
            // A decimal comma changes nothing here: the rates have points.
            child<QCheckBox>(dialog, "m_DecimalComma")->setChecked(true);
            QVERIFY(child<QLabel>(dialog, "m_Summary")->text().contains("1 new, 1 changed"));
            if (confirm)
                click(dialog, "b_Import");
            else
                dialog->reject();
            shown = true;
        });
        m_window->importAction()->trigger();
        QVERIFY(shown);
        QCOMPARE(storedCurrency(root(), 2, "name"),
                 confirm ? QStringLiteral("Franken") : QStringLiteral("Schweizer Franken"));
        QCOMPARE(storedCurrency(root(), 9, "rate"),
                 confirm ? QStringLiteral("160.2") : QStringLiteral("(none)"));
        QCOMPARE(historyRows(*m_workspace), confirm ? 2 : 0);
    }
}

// A read-only user sees the preview but cannot import; lumdata prints the same preview and writes
// only with --confirm, under the same rights.
void TestCsvExchange::readOnlyUserAndTheCommandLine()
{
    QVERIFY(writeFile(m_dir->filePath("lumconfig.ini"), "[Rights.3]\nTCurrencyDlg = readonly\n"));
    m_window.reset();
    m_window = std::make_unique<TOfficeWindow>(m_workspace.get());
    m_window->setUser(3);
    QVERIFY(m_window->showList(QStringLiteral("currencies")));
    const QString path = m_dir->filePath("in.csv");
    QVERIFY(writeFile(path, "id;name\n1;Euro\n2;Franken\n"));
    m_prompts->texts.enqueue(path);
    bool shown = false;
    answerNextDialog([&](QDialog* dialog) {
        QCOMPARE(shownRows(dialog), QStringList({"2 unchanged", "3 changed name"}));
        QVERIFY(!child<QPushButton>(dialog, "b_Import")->isEnabled());
        QVERIFY(child<QLabel>(dialog, "m_Summary")->text().contains("You may only look at this list."));
        dialog->reject();
        shown = true;
    });
    m_window->importAction()->trigger();
    QVERIFY(shown);

    const auto lumdata = [this, &path](const QStringList& options, QByteArray* output) {
        QProcess process;
        process.start(QStringLiteral(LUMDATA_PATH),
                      QStringList{"csv", "import", "currencies", path, "--data", root()} + options);
        if (!process.waitForFinished(60000))
            return -1;
        *output = process.readAllStandardOutput() + process.readAllStandardError();
        return process.exitCode();
    };
    QByteArray output;
    QCOMPARE(lumdata({}, &output), 0);
    QVERIFY2(output.contains("line 3\t2\tchanged\tname\n0 new, 1 changed, 1 unchanged, 0 refused"), output);
    QCOMPARE(lumdata({"--user", "3", "--confirm"}, &output), 1);
    QVERIFY2(output.contains("You may only look at this list. Nothing was written."), output);
    QCOMPARE(storedCurrency(root(), 2, "name"), QStringLiteral("Schweizer Franken"));
    QCOMPARE(lumdata({"--user", "4", "--confirm"}, &output), 0);
    QCOMPARE(storedCurrency(root(), 2, "name"), QStringLiteral("Franken"));
    QSqlQuery query(m_workspace->database());
    QVERIFY(query.exec("SELECT COUNT(*) FROM ChangeHistory WHERE UserId = 4") && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

QTEST_MAIN(TestCsvExchange)
#include "tst_csvexchange.moc"
