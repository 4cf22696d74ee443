// The CSV import's preview of 100,000 articles: the file read, its format detected and every row
// compared with the list; and the preview window filled with it.

#include "csvimport.h"
#include "csvimportdlg.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "articlenames.h"
#include "widgetbenchmarkmain.h"

namespace {

constexpr int csvArticles = 100000;

struct CsvRoot {
    QTemporaryDir dir;
    std::unique_ptr<TLumWorkspace> workspace;
    QByteArray file;
};

// 100,000 articles and their export with decimal commas, in which every hundredth price is changed
// and 1,000 articles are added, as a spreadsheet would hand it back.
CsvRoot& csvRoot()
{
    static const std::unique_ptr<CsvRoot> root = [] {
        auto made = std::make_unique<CsvRoot>();
        made->workspace = std::make_unique<TLumWorkspace>(made->dir.path());
        Basics::TValueList* articles = made->workspace->getData(QStringLiteral("articles"));
        for (int id = 1; id <= csvArticles; ++id) {
            Basics::TValue* article = articles->createValue();
            article->setID(id);
            article->setName(benchmarkArticleName(id));
            article->set("price", QStringLiteral("%1.%2").arg(id % 40 + 1).arg(id % 100, 2, 10, QChar(u'0')));
            article->set("family", id % 30 + 1);
            article->set("department", id % 8 + 1);
            article->set("vatrate", id % 2 + 1);
            articles->insert(article);
        }
        made->workspace->saveChanges();
        PosLib::Csv::Format format;
        format.decimalComma = true;
        QString text = QString::fromUtf8(PosLib::Csv::write(*articles, format));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        for (qsizetype line = 1; line < lines.size(); line += 100)
            lines[line].replace(u',', u'9');
        for (int id = csvArticles + 1; id <= csvArticles + 1000; ++id)
            lines << QStringLiteral("%1;1;1;%2;3,50;1").arg(id).arg(benchmarkArticleName(id));
        made->file = lines.join(QStringLiteral("\r\n")).toUtf8();
        return made;
    }();
    return *root;
}

void BM_PreviewOf100000Articles(benchmark::State& state)
{
    CsvRoot& root = csvRoot();
    TCsvImport import(*root.workspace, QStringLiteral("articles"));
    for (auto _ : state) {
        import.setBytes(root.file);
        if (import.preview().count(PosLib::Csv::RowState::New) != 1000)
            state.SkipWithError("the new rows are not seen");
    }
}

void BM_PreviewWindowOf100000Articles(benchmark::State& state)
{
    CsvRoot& root = csvRoot();
    TCsvImport import(*root.workspace, QStringLiteral("articles"));
    for (auto _ : state) {
        import.setBytes(root.file);
        TCsvImportDlg dialog(import, QStringLiteral("Articles"), QString(), nullptr);
        benchmark::DoNotOptimize(dialog.rows()->model()->rowCount());
    }
}

} // namespace

BENCHMARK(BM_PreviewOf100000Articles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewWindowOf100000Articles)->Unit(benchmark::kMillisecond);

WIDGET_BENCHMARK_MAIN();
