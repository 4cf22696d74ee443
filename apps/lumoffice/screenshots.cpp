#include "screenshots.h"

#include "backupactions.h"
#include "cashchartview.h"
#include "cashtransactionsdialog.h"
#include "configcheckdlg.h"
#include "counterdialog.h"
#include "csvimport.h"
#include "csvimportdlg.h"
#include "historydlg.h"
#include "officewindow.h"
#include "statcheckdlg.h"
#include "tlistdescriptor.h"
#include "tlistnames.h"
#include "tlumrecordview.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tselectdatedlg.h"
#include "tvaluelist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

// The widget as a window looks on a desktop: a title bar with its caption over it, a thin frame.
QPixmap TScreenshots::grab(QWidget* widget)
{
    widget->show();
    QApplication::processEvents();
    const QPixmap content = widget->grab();
    const qreal ratio = content.devicePixelRatio();
    const QSize size = content.deviceIndependentSize().toSize();
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int titleHeight = QFontMetrics(titleFont).height() + 12;
    QPixmap framed(QSize(size.width() + 2, size.height() + titleHeight + 1) * ratio);
    framed.setDevicePixelRatio(ratio);
    framed.fill(QColor(0x4a, 0x5a, 0x6e));
    QPainter painter(&framed);
    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, size.width() - 20, titleHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     widget->windowTitle());
    painter.drawPixmap(QPointF(1, titleHeight), content);
    return framed;
}

namespace {

using Shots = TScreenshots;

// The two pictures of an editor side by side, on the window colour, with a little room between.
QPixmap sideBySide(const QPixmap& left, const QPixmap& right)
{
    constexpr int gap = 16;
    const qreal ratio = left.devicePixelRatio();
    QPixmap both(left.width() + right.width() + int(gap * ratio), std::max(left.height(), right.height()));
    both.setDevicePixelRatio(ratio);
    both.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(QPointF(left.width() / ratio + gap, 0), right);
    return both;
}

// Pictures two to a row, one row below the other.
QPixmap grid(const QList<QPixmap>& pages)
{
    QPixmap rows;
    for (qsizetype i = 0; i < pages.size(); i += 2) {
        const QPixmap row = i + 1 < pages.size() ? sideBySide(pages[i], pages[i + 1]) : pages[i];
        if (rows.isNull()) {
            rows = row;
            continue;
        }
        const qreal ratio = rows.devicePixelRatio();
        QPixmap taller(std::max(rows.width(), row.width()), rows.height() + row.height() + int(16 * ratio));
        taller.setDevicePixelRatio(ratio);
        taller.fill(QApplication::palette().color(QPalette::Window));
        QPainter painter(&taller);
        painter.drawPixmap(0, 0, rows);
        painter.drawPixmap(QPointF(0, rows.height() / ratio + 16), row);
        rows = taller;
    }
    return rows;
}

// Pictures are taken without a message box in front: whatever a dialog would tell or ask goes
// unanswered.
class QuietPrompts : public TPrompts {
public:
    QuietPrompts() { TPrompts::install(this); }
    ~QuietPrompts() override { TPrompts::install(nullptr); }
    void information(QWidget*, const QString&, const QString&) override {}
    void warning(QWidget*, const QString&, const QString&) override {}
    void critical(QWidget*, const QString&, const QString&) override {}
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString&,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        return QMessageBox::No;
    }
    int choose(QWidget*, QMessageBox::Icon, const QString&, const QString&, const QStringList&, int,
               int escape) override
    {
        return escape;
    }
};

// The cash charts on the demo's first waiter, whose counts were not always right (the vault's were).
void showCountsWithDifferences(QWidget* parent)
{
    if (auto* charts = parent->findChild<CashChartView*>())
        charts->locationChooser()->setCurrentIndex(0);
    QApplication::processEvents();
}

// The cash office's dialogs on the demo journal: every page of the cash transactions (a count with
// a difference entered, the journal requested), the cash counter and the statistics check.
int cashOffice(TOfficeWindow& window, const QDir& out)
{
    const QuietPrompts quiet;
    int written = 0;
    CashTransactionsDialog cash(window.workspace(), &window);
    cash.InitData();
    auto* tabs = cash.findChild<QTabWidget*>(QStringLiteral("MainTabView"));
    QList<QPixmap> pages;
    cash.findChild<QLineEdit*>(QStringLiteral("CashIoAmountField"))->setText(QStringLiteral("150,00"));
    pages << Shots::grab(&cash);
    tabs->setCurrentIndex(1);
    if (auto* count = cash.findChild<QTableWidget*>(QStringLiteral("CCDCashGroupsTableView"))) {
        // The first cash group counted as its target, the others a little short.
        for (int row = 0; row < count->rowCount(); ++row) {
            const double target = count->item(row, 2)->text().replace(u',', u'.').toDouble();
            count->item(row, 1)->setText(
                QString::number(std::max(0.0, row == 0 ? target : target - 2.5), 'f', 2));
        }
    }
    pages << Shots::grab(&cash);
    tabs->setCurrentIndex(2);
    pages << Shots::grab(&cash);
    tabs->setCurrentIndex(3);
    cash.findChild<QAbstractButton*>(QStringLiteral("CCDJournalRequestButton"))->click();
    QApplication::processEvents();
    QApplication::processEvents(); // the charts read after the first lines
    pages << Shots::grab(&cash);
    written += grid(pages).save(out.filePath(QStringLiteral("cashtransactions-dialog-pages.png")));
    // The journal page's charts at a size that shows them well.
    showCountsWithDifferences(&cash);
    cash.resize(960, 760);
    written += Shots::grab(&cash).save(out.filePath(QStringLiteral("cashtransactions-journal-charts.png")));

    CounterDialog counter(window.workspace(), &window);
    if (counter.InsertCounters(window.workspace()->GetDataPath() + QStringLiteral("externaccountmap.ini"),
                               QStringLiteral("Cash"))) {
        auto* table = counter.findChild<QTableWidget*>(QStringLiteral("CounterTable"));
        const int pieces[] = {2, 5, 8, 3, 0, 6, 4, 7};
        for (int row = 0; row < std::min(8, table->rowCount()); ++row)
            table->item(row, 1)->setText(QString::number(pieces[row]));
        written += Shots::grab(&counter).save(out.filePath(QStringLiteral("counter-dialog.png")));
    }

    StatCheckDlg check(QDate::currentDate().addDays(-7), QDate::currentDate().addDays(-1), &window);
    check.resize(620, 520);
    check.show();
    written += Shots::grab(&check).save(out.filePath(QStringLiteral("statcheck-dialog.png")));
    return written;
}

// The configuration check, with two references broken for the picture in memory only (nothing is
// saved meanwhile, and they are put back at once), and the history of the demo's payment form.
int officeTools(TOfficeWindow& window, const QDir& out)
{
    int written = 0;
    TLumWorkspace& workspace = *window.workspace();
    Basics::TValue* table = workspace.getData(QStringLiteral("tablecfgs"))->find(2);
    Basics::TValue* payform = workspace.getData(QStringLiteral("payforms"))->find(3);
    if (table && payform) {
        const Basics::TValue tableWas = *table;
        const Basics::TValue payformWas = *payform;
        table->set("menucard", 7);
        payform->set("printers", QStringLiteral("1,1;5,2"));
        {
            TConfigCheckDlg check(workspace, {}, &window);
            check.resize(760, 300);
            written += Shots::grab(&check).save(out.filePath(QStringLiteral("configcheck-dialog.png")));
        }
        *table = tableWas;
        *payform = payformWas;
    }
    THistoryDlg::Access access;
    access.mayChange = [](const QString&) { return true; };
    access.userName = [&window](int user) { return window.userName(user); };
    THistoryDlg history(window.changeHistory(), workspace, QStringLiteral("payforms"), 2, access, &window);
    if (history.changes()->topLevelItemCount() > 1)
        history.changes()->setCurrentItem(history.changes()->topLevelItem(1));
    written += Shots::grab(&history).save(out.filePath(QStringLiteral("history-dialog.png")));

    // The preview of an import of the demo's articles as a spreadsheet gives them back: a price
    // changed, a row added, one with a field too many. Nothing is written.
    if (const Basics::TValueList* articles = workspace.getData(QStringLiteral("articles"))) {
        PosLib::Csv::Format format;
        format.decimalComma = true;
        QStringList lines =
            QString::fromUtf8(PosLib::Csv::write(*articles, format)).split(QStringLiteral("\r\n"));
        if (lines.size() > 6) {
            lines[2].replace(QStringLiteral(";790;"), QStringLiteral(";820;"));
            lines[4] += QStringLiteral(";x");
            lines.insert(6, QStringLiteral("8999;;2;3;Apple strudel;390;1"));
        }
        TCsvImport import(workspace, QStringLiteral("articles"));
        import.setBytes(lines.join(QStringLiteral("\r\n")).toUtf8());
        const LumDialogs::TListDescriptor* info =
            LumDialogs::TListDescriptor::find(QStringLiteral("articles"));
        TCsvImportDlg preview(import, info ? info->title : QString(), QString(), &window);
        preview.resize(860, 420);
        written += Shots::grab(&preview).save(out.filePath(QStringLiteral("csvimport-dialog.png")));
    }
    return written;
}

// The Tools menu with the backup entries, beside the question a restore asks.
int backupFlow(TOfficeWindow& window, const QDir& out)
{
    auto* tools = window.findChild<QMenu*>(QStringLiteral("toolsMenu"));
    if (!tools)
        return 0;
    const QPixmap menu = tools->grab();
    const QString root = QDir::cleanPath(window.workspace()->GetDataPath());
    QMessageBox question(QMessageBox::Question, TBackupActions::tr("Restore data"),
                         TBackupActions::restoreQuestion(
                             root, QFileInfo(root).dir().filePath(QStringLiteral("demo-20261206-1200.tar"))),
                         QMessageBox::Yes | QMessageBox::No, &window);
    question.setDefaultButton(QMessageBox::No);
    const QPixmap picture = sideBySide(menu, Shots::grab(&question));
    question.hide();
    return picture.save(out.filePath(QStringLiteral("backup-restore-flow.png")));
}

} // namespace

QPixmap TScreenshots::allPages(QDialog* dialog, QTabWidget* tabs)
{
    QList<QPixmap> pages;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        pages << Shots::grab(dialog);
    }
    tabs->setCurrentIndex(0);
    return grid(pages);
}

int TScreenshots::render(TOfficeWindow& window, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return 0;
    const QDir out(folder);
    int written = 0;

    window.showList(QStringLiteral("currencies"));
    window.show();
    QApplication::processEvents(); // the cash charts read once the window is shown
    showCountsWithDifferences(&window);
    written += grab(&window).save(out.filePath(QStringLiteral("main-window.png")));

    for (const LumDialogs::TListDescriptor& list : LumDialogs::TListDescriptor::all()) {
        // Every editor of its own, and the record editor once, on the articles.
        if ((!list.ownEditor && list.names.root != PosLib::Lists::articles) ||
            !window.showList(list.names.root))
            continue;
        TLumRecordView* view = window.listView();
        const QString element = list.names.element;
        const std::unique_ptr<QDialog> newRecord = list.openEditor(&window, view, true);
        const QPixmap fresh = grab(newRecord.get());
        if (auto* tabs = newRecord->findChild<QTabWidget*>(); tabs && tabs->count() > 1)
            written += TScreenshots::allPages(newRecord.get(), tabs)
                           .save(out.filePath(element + QStringLiteral("-editor-pages.png")));
        const int selected = std::min(3, view->rowCount());
        view->selectionModel()->select(
            QItemSelection(view->model()->index(0, 0), view->model()->index(selected - 1, 0)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QPixmap picture = fresh;
        if (view->rowCount() > 1)
            picture = sideBySide(fresh, grab(list.openEditor(&window, view, false).get()));
        written += picture.save(out.filePath(element + QStringLiteral("-editor.png")));
    }

    written += renderCardDialogs(window, out);
    written += renderPromotionDialogs(window, out);

    TSelectDateDlg period(&window);
    period.setFrom(QDate::currentDate().startOfDay());
    period.setTo(QDateTime(QDate::currentDate(), QTime(23, 59)));
    written += grab(&period).save(out.filePath(QStringLiteral("selectdate-dialog.png")));
    written += cashOffice(window, out);
    written += officeTools(window, out);
    written += backupFlow(window, out);
    return written;
}
