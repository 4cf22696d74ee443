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
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

using LumDialogs::TListDescriptor;

// Named, since the test class holds some of its types.
namespace DialogTexts {

// The German texts of the translation file: exact ones, and those with placeholders as patterns.
struct GermanTexts {
    QSet<QString> exact;
    QList<QRegularExpression> patterns;

    bool holds(const QString& text) const
    {
        if (exact.contains(text))
            return true;
        // The record editor's labels are the column titles with a colon.
        if (text.endsWith(u':') && exact.contains(text.chopped(1)))
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
        QStringList pieces = text.split(placeholder);
        for (QString& piece : pieces)
            piece = QRegularExpression::escape(piece);
        const QString pattern = pieces.join(QStringLiteral(".*"));
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
        if (language == u"de")
            load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        load(QStringLiteral("lumdialogs_") + language, AppLanguage::translationsDirectory());
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

// The inputs the tab key visits on the pages shown, in its order, from the first one the focus
// chain names.
QList<QWidget*> tabChain(QWidget* dialog)
{
    QWidget* first = dialog->nextInFocusChain();
    while (first != dialog &&
           !(first->isVisible() && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus)))
        first = first->nextInFocusChain();
    if (first == dialog)
        return {};
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> chain;
    for (QWidget* at = dialog->focusWidget(); at && !chain.contains(at) && chain.size() < 500;
         at = dialog->focusWidget()) {
        chain << at;
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return chain;
}

} // namespace DialogTexts

using namespace DialogTexts;

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
    void tabOrderFollowsTheLayout_data() { everyEditor(); }
    void tabOrderFollowsTheLayout();
    void escapeCancelsAndReturnAccepts_data() { everyEditor(); }
    void escapeCancelsAndReturnAccepts();
    void helpIsInTheLanguageOfTheTexts();
    void languageFromTheCommandLine_data();
    void languageFromTheCommandLine();

private:
    void everyEditor();
    // A host with a record in every list, and the editor of list opened on it or for a new one.
    std::unique_ptr<QDialog> openEditor(const QString& list, bool newRecord);
    // The editor shown, with the first input of its tab chain focused.
    static QWidget* showWithFocus(QDialog* dialog);

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
    m_host = std::make_unique<TestHost>();
    for (const TListDescriptor& list : TListDescriptor::all()) {
        if (list.names.root != PosLib::Lists::settings)
            m_host->put(list.names.root, 1, {{"name", "Erster"}, {"decpos", "2"}});
    }
}

void TestDialogTexts::cleanup()
{
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
                english << where + QStringLiteral(": ") + text;
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

// The tab key goes through each page as it is read: down the rows, in a row from left to right, and
// from the foot of a column to the head of the next column on the right; never back up and left.
void TestDialogTexts::tabOrderFollowsTheLayout()
{
    QFETCH(QString, list);
    std::unique_ptr<QDialog> dialog = openEditor(list, true);
    dialog->show();
    QStringList problems;
    const auto check = [&] {
        const QList<QWidget*> chain = tabChain(dialog.get());
        if (chain.size() < 3)
            problems << QStringLiteral("the tab key reaches %1 inputs only").arg(chain.size());
        for (qsizetype i = 1; i < chain.size(); ++i) {
            const QRect before(chain[i - 1]->mapTo(dialog.get(), QPoint()), chain[i - 1]->size());
            const QRect after(chain[i]->mapTo(dialog.get(), QPoint()), chain[i]->size());
            // The frame's buttons close the chain, which goes round to the first input.
            const bool frameButton = qobject_cast<QPushButton*>(chain[i - 1]) &&
                                     !chain[i - 1]->parentWidget()->inherits("QGroupBox") &&
                                     pagesOf(chain[i - 1]).isEmpty();
            if (!frameButton && after.bottom() < before.top() && after.left() < before.right() - 4)
                problems << QStringLiteral("%1 -> %2")
                                .arg(pathOf(chain[i - 1], dialog.get()), pathOf(chain[i], dialog.get()));
        }
    };
    check();
    for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
        for (int page = 1; page < tabs->count(); ++page) {
            if (!tabs->isTabEnabled(page))
                continue;
            tabs->setCurrentIndex(page);
            check();
        }
        tabs->setCurrentIndex(0);
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestDialogTexts::escapeCancelsAndReturnAccepts()
{
    QFETCH(QString, list);
    std::unique_ptr<QDialog> dialog = openEditor(list, false);
    QTest::keyClick(showWithFocus(dialog.get()), Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(dialog->isHidden());
    QVERIFY(m_prompts->messages.isEmpty());

    // Return in the first input is OK, when OK can be pressed.
    dialog = openEditor(list, false);
    QWidget* first = showWithFocus(dialog.get());
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("buttonOk"));
    if (!ok)
        ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
    QVERIFY(ok);
    QSignalSpy pressed(ok, &QAbstractButton::clicked);
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(pressed.count(), ok->isEnabled() ? 1 : 0);
}

QWidget* TestDialogTexts::showWithFocus(QDialog* dialog)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    const QList<QWidget*> chain = tabChain(dialog);
    QWidget* first = chain.isEmpty() ? dialog : chain.first();
    first->setFocus();
    return first;
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
    const QSet<QString> englishAnchors =
        anchors(TLumDlg::helpDirectory() + QStringLiteral("/lumdialogs.html"));
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
