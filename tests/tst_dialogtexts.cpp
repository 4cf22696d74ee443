// What an operator meets in every editor of the table of lists, in both languages: every text is
// German when the German translation is loaded, accelerators do not clash within what is shown at one
// time, a label that names a field leads to it, and the keyboard alone closes a dialog both ways.

#include "language.h"
#include "lumtesthost.h"
#include "tlistdescriptor.h"
#include "tlumdlg.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

using LumDialogs::TListDescriptor;

namespace {

// The German texts of the translation file: exact ones, and those with placeholders as patterns.
struct GermanTexts {
    QSet<QString> exact;
    QList<QRegularExpression> patterns;

    bool holds(const QString& text) const
    {
        if (exact.contains(text))
            return true;
        return std::any_of(patterns.cbegin(), patterns.cend(), [&text](const QRegularExpression& pattern) {
            return pattern.match(text).hasMatch();
        });
    }
};

GermanTexts germanTexts()
{
    GermanTexts texts;
    QFile file(QStringLiteral(LUM_TS_DE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", LUM_TS_DE);
    QXmlStreamReader xml(&file);
    static const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() != u"translation" && xml.name() != u"numerusform")
            continue;
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (!text.contains(placeholder)) {
            texts.exact.insert(text);
            continue;
        }
        QString pattern = QRegularExpression::escape(text);
        pattern.replace(QRegularExpression(QStringLiteral("%[0-9n]")), QStringLiteral(".*"));
        texts.patterns << QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                             QRegularExpression::DotMatchesEverythingOption);
    }
    return texts;
}

// Qt's and the project's translations of one language, installed while it lives.
class Language {
public:
    explicit Language(const QString& language)
    {
        if (language == u"en")
            return;
        load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        load(QStringLiteral("lumdialogs_de"), AppLanguage::translationsDirectory());
    }
    ~Language()
    {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
    }

private:
    void load(const QString& name, const QString& directory)
    {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, directory))
            qFatal("no translation %s in %s", qPrintable(name), qPrintable(directory));
        QCoreApplication::installTranslator(translator.get());
        m_translators.push_back(std::move(translator));
    }

    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// Where a widget sits: its object path from the dialog, for the messages.
QString pathOf(const QWidget* widget, const QWidget* dialog)
{
    QStringList names;
    for (const QWidget* at = widget; at && at != dialog; at = at->parentWidget()) {
        if (!at->objectName().isEmpty() && !at->objectName().startsWith(u"qt_"))
            names.prepend(at->objectName());
    }
    return names.isEmpty() ? QStringLiteral("(dialog)") : names.join(u'/');
}

// The pages of stacked widgets (tab pages included) a widget lies on, outermost first: two widgets are
// shown at the same time when neither lies on a page the other's stack does not show.
QList<QPair<const QStackedWidget*, const QWidget*>> pagesOf(const QWidget* widget)
{
    QList<QPair<const QStackedWidget*, const QWidget*>> pages;
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (auto* stack = qobject_cast<const QStackedWidget*>(at->parentWidget()))
            pages.prepend({stack, at});
    }
    return pages;
}

bool shownTogether(const QWidget* a, const QWidget* b)
{
    const auto pagesA = pagesOf(a);
    const auto pagesB = pagesOf(b);
    for (const auto& [stack, page] : pagesA) {
        for (const auto& [otherStack, otherPage] : pagesB) {
            if (stack == otherStack && page != otherPage)
                return false;
        }
    }
    return true;
}

// A widget that is never shown: hidden by the form or the editor (not merely on another page).
bool hiddenForGood(const QWidget* widget, const QWidget* dialog)
{
    for (const QWidget* at = widget; at && at != dialog; at = at->parentWidget()) {
        if (at->isHidden() && !qobject_cast<const QStackedWidget*>(at->parentWidget()))
            return true;
    }
    return false;
}

struct Accelerator {
    QChar key;
    const QWidget* widget;
    QString text;
};

QChar acceleratorOf(const QString& text)
{
    for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'&', i + 2)) {
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
    }
    return {};
}

// Every accelerator the operator can use in the dialog: labels, buttons, group boxes and tabs.
QList<Accelerator> acceleratorsOf(QWidget* dialog)
{
    QList<Accelerator> found;
    const auto add = [&found](const QWidget* widget, const QString& text) {
        if (const QChar key = acceleratorOf(text); !key.isNull())
            found << Accelerator{key, widget, text};
    };
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (hiddenForGood(widget, dialog))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(label, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group, group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, tabs->tabText(i));
        }
    }
    return found;
}

// The texts a dialog shows the operator as its own (not the records' data).
QList<QPair<QString, QString>> shownTexts(QWidget* dialog)
{
    QList<QPair<QString, QString>> texts{{QStringLiteral("(caption)"), dialog->windowTitle()}};
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const QString where = pathOf(widget, dialog);
        const auto add = [&texts, &where](const QString& text) { texts << qMakePair(where, text); };
        add(widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(edit->placeholderText());
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            add(spin->suffix());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                add(tree->headerItem()->text(i));
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int i = 0; i < table->columnCount(); ++i)
                add(table->horizontalHeaderItem(i) ? table->horizontalHeaderItem(i)->text() : QString());
        }
    }
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2}"));
    texts.removeIf([](const QPair<QString, QString>& text) { return !text.second.contains(letters); });
    return texts;
}

} // namespace

class TestDialogTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_prompts = std::make_unique<ScriptedPrompts>(); }
    void cleanup();

    void everyTextIsGerman_data() { everyEditor(); }
    void everyTextIsGerman();
    void acceleratorsAreUniqueAndLead_data();
    void acceleratorsAreUniqueAndLead();
    void escapeCancelsAndReturnAccepts_data() { everyEditor(); }
    void escapeCancelsAndReturnAccepts();
    void helpIsInTheLanguageOfTheTexts();
    void languageFromTheCommandLine_data();
    void languageFromTheCommandLine();

private:
    void everyEditor();
    // A host with a record in every list, and the editor of list opened on it or for a new one.
    std::unique_ptr<QDialog> openEditor(const QString& list, bool newRecord);

    std::unique_ptr<Language> m_german;
    GermanTexts m_germanTexts;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
};

void TestDialogTexts::initTestCase()
{
    m_germanTexts = germanTexts();
    // The table of lists translates its titles once, as the program does at its start.
    m_german = std::make_unique<Language>(QStringLiteral("de"));
    QVERIFY(!TListDescriptor::all().isEmpty());
}

void TestDialogTexts::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestDialogTexts::everyEditor()
{
    QTest::addColumn<QString>("list");
    for (const TListDescriptor& descriptor : TListDescriptor::all())
        QTest::newRow(qPrintable(descriptor.names.root)) << descriptor.names.root;
}

std::unique_ptr<QDialog> TestDialogTexts::openEditor(const QString& list, bool newRecord)
{
    m_host = std::make_unique<TestHost>();
    for (const TListDescriptor& other : TListDescriptor::all()) {
        if (other.names.root != PosLib::Lists::settings)
            m_host->put(other.names.root, 1, {{"name", "Erster"}, {"decpos", "2"}});
    }
    m_host->showList(list);
    m_host->select({1});
    return TListDescriptor::find(list)->openEditor(m_host->window.get(), m_host->view, newRecord);
}

void TestDialogTexts::everyTextIsGerman()
{
    QFETCH(QString, list);
    QStringList english;
    for (bool newRecord : {true, false}) {
        std::unique_ptr<QDialog> dialog = openEditor(list, newRecord);
        for (const auto& [where, text] : shownTexts(dialog.get())) {
            if (!m_germanTexts.holds(text) && !text.contains(u"Erster"))
                english << where + u": " + text;
        }
    }
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("not translated:\n") + english.join(u'\n')));
}

void TestDialogTexts::acceleratorsAreUniqueAndLead_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("language");
    for (const TListDescriptor& descriptor : TListDescriptor::all()) {
        if (!descriptor.ownEditor)
            continue;
        for (const char* language : {"en", "de"})
            QTest::addRow("%s %s", qPrintable(descriptor.names.root), language)
                << descriptor.names.root << QString::fromLatin1(language);
    }
}

void TestDialogTexts::acceleratorsAreUniqueAndLead()
{
    QFETCH(QString, list);
    QFETCH(QString, language);
    std::unique_ptr<Language> english;
    if (language == u"en") {
        m_german.reset();
        english = std::make_unique<Language>(language);
    }
    std::unique_ptr<QDialog> dialog = openEditor(list, true);
    QStringList problems;
    const QList<Accelerator> accelerators = acceleratorsOf(dialog.get());
    for (qsizetype i = 0; i < accelerators.size(); ++i) {
        for (qsizetype j = i + 1; j < accelerators.size(); ++j) {
            const Accelerator& a = accelerators[i];
            const Accelerator& b = accelerators[j];
            if (a.key == b.key && a.widget != b.widget && shownTogether(a.widget, b.widget))
                problems << QStringLiteral("Alt+%1: \"%2\" (%3) and \"%4\" (%5)")
                                .arg(a.key, a.text, pathOf(a.widget, dialog.get()), b.text,
                                     pathOf(b.widget, dialog.get()));
        }
    }
    // A label that names a field (it ends with a colon) leads to it.
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!hiddenForGood(label, dialog.get()) && label->text().trimmed().endsWith(u':') && !label->buddy())
            problems
                << QStringLiteral("no buddy: \"%1\" (%2)").arg(label->text(), pathOf(label, dialog.get()));
    }
    english.reset();
    if (!m_german)
        m_german = std::make_unique<Language>(QStringLiteral("de"));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestDialogTexts::escapeCancelsAndReturnAccepts()
{
    QFETCH(QString, list);
    std::unique_ptr<QDialog> dialog = openEditor(list, false);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(dialog->isHidden());
    QVERIFY(m_prompts->messages.isEmpty());

    dialog = openEditor(list, false);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // Return in the first field of the tab chain takes the record as shown.
    QWidget* first = dialog->nextInFocusChain();
    while (first != dialog.get() &&
           !(first->isVisible() && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus)))
        first = first->nextInFocusChain();
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestDialogTexts::helpIsInTheLanguageOfTheTexts()
{
    const QString german = TLumDlg::helpPath(QStringLiteral("lumdialogs.html"));
    QVERIFY(german.endsWith(u"/help/lumdialogs_de.html"));
    m_german.reset();
    QVERIFY(TLumDlg::helpPath(QStringLiteral("lumdialogs.html")).endsWith(u"/help/lumdialogs.html"));
    m_german = std::make_unique<Language>(QStringLiteral("de"));
    // Every section of the English help is in the German one, under the same anchor.
    const auto anchors = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QSet<QString> found;
        static const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
        for (auto match = anchor.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
            found << match.next().captured(1);
        return found;
    };
    const QSet<QString> englishAnchors = anchors(TLumDlg::helpDirectory() + u"/lumdialogs.html");
    QVERIFY(englishAnchors.size() > 20);
    QCOMPARE(anchors(german), englishAnchors);
}

void TestDialogTexts::languageFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    const QString system =
        QLocale::system().language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
    QTest::newRow("none") << QStringList{"lumoffice"} << system;
    QTest::newRow("separate") << QStringList{"lumoffice", "--demo", "--lang", "de"} << QStringLiteral("de");
    QTest::newRow("joined") << QStringList{"lumoffice", "--lang=en"} << QStringLiteral("en");
    QTest::newRow("unknown kept for the error")
        << QStringList{"lumoffice", "--lang", "fr"} << QStringLiteral("fr");
    QTest::newRow("value missing") << QStringList{"lumoffice", "--lang"} << system;
    QTest::newRow("after --") << QStringList{"lumcardd", "fail", "--", "--lang", "de"} << system;
}

void TestDialogTexts::languageFromTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QCOMPARE(AppLanguage::chosen(arguments), language);
}

QTEST_MAIN(TestDialogTexts)
#include "tst_dialogtexts.moc"
