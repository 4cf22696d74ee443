#include "articleselectdialog.h"

#include "tcharactermask.h"
#include "teditorframe.h"
#include "tvaluelist.h"

#include <QAbstractTableModel>
#include <QCursor>
#include <QKeyEvent>

#include <algorithm>
#include <charconv>
#include <vector>

ArticleSelectDlgBase::ArticleSelectDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : PromotionForm(parent, name, "ArticleSelectDlgBase", modal, fl)
{
    connect(SearchField, &QLineEdit::textChanged, this, &ArticleSelectDlgBase::SearchArticles);
}

void ArticleSelectDlgBase::SearchArticles(const QString&)
{
    LumDialogs::notImplemented("ArticleSelectDlgBase::SearchArticles(const QString&)");
}

void ArticleSelectDlgBase::openKeyboard()
{
    LumDialogs::notImplemented("ArticleSelectDlgBase::openKeyboard()");
}

namespace QtWidgets {

namespace ArticlePicker {

// What the list shows of an article and what the search looks into.
struct ArticlesViewItem {
    int plu;
    QString name;
    QString lowerName;
    quint64 nameMask; // the characters of lowerName (QtWidgets::characterMask)
};

// A search text, prepared once for all articles.
struct ArticleSearch {
    explicit ArticleSearch(const QString& text)
        : lower(text.toLower())
        , mask(characterMask(lower))
        , digits(!text.isEmpty() &&
                 std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
    {
    }

    bool matches(const ArticlesViewItem& item) const
    {
        if (digits) {
            char text[16];
            const char* end = std::to_chars(text, text + sizeof text, item.plu).ptr;
            if (QLatin1StringView(text, end).startsWith(lower))
                return true;
        }
        return (item.nameMask & mask) == mask && item.lowerName.contains(lower);
    }

    QString lower;
    quint64 mask;
    bool digits; // only a text of digits can begin a PLU
};

} // namespace ArticlePicker

using ArticlePicker::ArticleSearch;
using ArticlePicker::ArticlesViewItem;

// All articles in the order of the sort column, and the rows shown: those the search text matches.
class ArticleSelectDialog::Model : public QAbstractTableModel {
public:
    enum Column { PluColumn = 0, NameColumn = 1 };

    void fill(const Basics::TValueList* articles)
    {
        beginResetModel();
        m_items.clear();
        if (articles) {
            m_items.reserve(std::size_t(articles->count()));
            for (const Basics::TValue* article : *articles) {
                const QString name = article->getName();
                const QString lower = name.toLower();
                m_items.push_back({article->getID(), name, lower, characterMask(lower)});
            }
        }
        m_filter.clear();
        arrange();
        m_shown = m_order;
        endResetModel();
    }

    // The rows of the articles the text matches. A text that extends the one before only looks into
    // the rows shown now: whatever matches it matches the shorter text too.
    void setFilter(const QString& text)
    {
        const bool narrowing = !m_filter.isEmpty() && text.startsWith(m_filter);
        beginResetModel();
        if (text.isEmpty()) {
            m_shown = m_order;
        } else {
            const ArticleSearch search(text);
            const std::vector<int>& candidates = narrowing ? m_shown : m_order;
            std::vector<int> shown;
            shown.reserve(candidates.size());
            for (int index : candidates) {
                if (search.matches(m_items[std::size_t(index)]))
                    shown.push_back(index);
            }
            m_shown = std::move(shown);
        }
        m_filter = text;
        endResetModel();
    }

    // The article of a row, and the row of an article (-1 when it is not shown).
    int articleAt(int row) const { return row >= 0 && row < rowCount() ? m_shown[std::size_t(row)] : -1; }
    int rowOf(int article) const
    {
        const auto found = std::find(m_shown.cbegin(), m_shown.cend(), article);
        return found != m_shown.cend() ? int(found - m_shown.cbegin()) : -1;
    }
    int pluOf(int article) const { return m_items[std::size_t(article)].plu; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_shown.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : 2;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int article = articleAt(index.row());
        if (article < 0)
            return QVariant();
        const ArticlesViewItem& item = m_items[std::size_t(article)];
        if (role == Qt::DisplayRole)
            return index.column() == PluColumn ? QVariant(item.plu) : QVariant(item.name);
        if (role == Qt::TextAlignmentRole && index.column() == PluColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        return section == PluColumn ? tr("PLU") : tr("Name");
    }

    // By PLU, ties by name; or by name (case ignored), ties by PLU.
    void sort(int column, Qt::SortOrder order) override
    {
        Q_EMIT layoutAboutToBeChanged();
        // The current and the selected article stay current and selected in their new rows.
        const QModelIndexList before = persistentIndexList();
        QList<int> articles;
        for (const QModelIndex& index : before)
            articles << articleAt(index.row());
        m_column = column;
        m_descending = order == Qt::DescendingOrder;
        arrange();
        setFilterOrder();
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int row = articles[i] >= 0 ? rowOf(articles[i]) : -1;
            after << (row >= 0 ? index(row, before[i].column()) : QModelIndex());
        }
        changePersistentIndexList(before, after);
        Q_EMIT layoutChanged();
    }

private:
    static QString tr(const char* text) { return QCoreApplication::translate("ArticleSelectDialog", text); }

    void arrange()
    {
        m_order.resize(m_items.size());
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = int(i);
        const auto byPlu = [this](int a, int b) {
            const ArticlesViewItem& x = m_items[std::size_t(a)];
            const ArticlesViewItem& y = m_items[std::size_t(b)];
            if (x.plu != y.plu)
                return x.plu < y.plu;
            return x.lowerName < y.lowerName;
        };
        const auto byName = [this](int a, int b) {
            const ArticlesViewItem& x = m_items[std::size_t(a)];
            const ArticlesViewItem& y = m_items[std::size_t(b)];
            if (const int c = x.lowerName.compare(y.lowerName))
                return c < 0;
            return x.plu < y.plu;
        };
        if (m_column == NameColumn)
            std::sort(m_order.begin(), m_order.end(), byName);
        else
            std::sort(m_order.begin(), m_order.end(), byPlu);
        if (m_descending)
            std::reverse(m_order.begin(), m_order.end());
    }

    // The rows shown, in the new order.
    void setFilterOrder()
    {
        std::vector<char> shown(m_items.size(), 0);
        for (int index : m_shown)
            shown[std::size_t(index)] = 1;
        m_shown.clear();
        for (int index : m_order) {
            if (shown[std::size_t(index)])
                m_shown.push_back(index);
        }
    }

    std::vector<ArticlesViewItem> m_items;
    std::vector<int> m_order;
    std::vector<int> m_shown;
    QString m_filter;
    int m_column = PluColumn;
    bool m_descending = false;
};

ArticleSelectDialog::ArticleSelectDialog(QWidget* parent)
    : ArticleSelectDlgBase(parent, "ArticleSelectDialog", true)
    , m_model(std::make_unique<Model>())
{
    ArticlesListView->setModel(m_model.get());
    ArticlesListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ArticlesListView->sortByColumn(Model::PluColumn, Qt::AscendingOrder);
    connect(ArticlesListView, &QAbstractItemView::doubleClicked, this, [this] { accept(); });
    SearchField->installEventFilter(this);
    SearchField->setFocus();
}

ArticleSelectDialog::~ArticleSelectDialog()
{
    ArticlesListView->setModel(nullptr);
}

void ArticleSelectDialog::fill(const Basics::TValueList* articles)
{
    m_model->fill(articles);
    restoreCurrent(-1);
    ArticlesListView->resizeColumnToContents(Model::PluColumn);
    SearchField->setFocus();
}

std::optional<int> ArticleSelectDialog::choose(QWidget* parent, const Basics::TValueList* articles)
{
    ArticleSelectDialog dialog(parent);
    dialog.fill(articles);
    dialog.move(QCursor::pos());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenPlu();
}

void ArticleSelectDialog::accept()
{
    const int article = currentArticle();
    if (article < 0) {
        reject();
        return;
    }
    m_plu = m_model->pluOf(article);
    QDialog::accept();
}

void ArticleSelectDialog::SearchArticles(const QString& text)
{
    const int current = currentArticle();
    m_model->setFilter(text);
    restoreCurrent(current);
}

bool ArticleSelectDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The keys that move in the list move in it while the operator types.
    if (watched == SearchField && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(ArticlesListView, event);
            return true;
        default:
            break;
        }
    }
    return ArticleSelectDlgBase::eventFilter(watched, event);
}

int ArticleSelectDialog::currentArticle() const
{
    return m_model->articleAt(ArticlesListView->currentIndex().row());
}

void ArticleSelectDialog::restoreCurrent(int article)
{
    int row = article >= 0 ? m_model->rowOf(article) : -1;
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, Model::PluColumn);
    ArticlesListView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    ArticlesListView->scrollTo(index);
}

} // namespace QtWidgets
