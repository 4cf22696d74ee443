#include "tmenucarddlg.h"

#include "tarticle.h"
#include "tcurrencies.h"
#include "tlumconfig.h"
#include "tmenucardlists.h"
#include "tpricelevel.h"

#include <QKeyEvent>
#include <QSet>

using PosLib::TMenuCard;

TMenuCardDlgBase::TMenuCardDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(b_Forbid, &QPushButton::clicked, this, qOverload<>(&TMenuCardDlgBase::onForbid));
    connect(b_ForbidAll, &QPushButton::clicked, this, &TMenuCardDlgBase::onForbidAll);
    connect(b_Allow, &QPushButton::clicked, this, qOverload<>(&TMenuCardDlgBase::onAllow));
    connect(b_AllowAll, &QPushButton::clicked, this, &TMenuCardDlgBase::onAllowAll);
    connect(m_Allowed, &QTreeWidget::itemSelectionChanged, this, &TMenuCardDlgBase::onAllowChange);
    connect(m_Forbidden, &QTreeWidget::itemSelectionChanged, this, &TMenuCardDlgBase::onForbidChange);
    // Activated: a double click or Return on a row moves it to the other side.
    connect(m_Allowed, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { onForbid(item); });
    connect(m_Forbidden, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { onAllow(item); });
    connect(m_AFamily, &QComboBox::currentIndexChanged, this, &TMenuCardDlgBase::onAFamily);
    connect(m_FFamily, &QComboBox::currentIndexChanged, this, &TMenuCardDlgBase::onFFamily);
    connect(buttonFindInc, &QPushButton::clicked, this, &TMenuCardDlgBase::findIncClicked);
    connect(buttonFindExc, &QPushButton::clicked, this, &TMenuCardDlgBase::findExcClicked);
    connect(m_FindInc, &QLineEdit::textEdited, this, &TMenuCardDlgBase::findIncChanged);
    connect(m_FindExc, &QLineEdit::textEdited, this, &TMenuCardDlgBase::findExcChanged);
    connect(a_Plu, &QPushButton::clicked, this, &TMenuCardDlgBase::onNewArticle);
    connect(a_Family, &QPushButton::clicked, this, &TMenuCardDlgBase::onNewFamily);
    m_FindInc->installEventFilter(this);
    m_FindExc->installEventFilter(this);
}

bool TMenuCardDlgBase::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_FindInc || watched == m_FindExc) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_FindInc)
                findIncClicked();
            else
                findExcClicked();
            return true;
        }
    }
    return TEditorLayout::eventFilter(watched, event);
}

// The excluded articles, written only while one card (or a new one) is edited. Several cards are
// shown without articles.
class TMenuCardDlg::TExcludesField : public LumDialogs::TField<TMenuCard> {
public:
    explicit TExcludesField(TMenuCardDlg* dialog)
        : TField({.oneRecordOnly = true})
        , m_dialog(dialog)
    {
    }
    bool differs(const TMenuCard& a, const TMenuCard& b) const override
    {
        return a.getExcludes() != b.getExcludes();
    }
    void show(TLumDlg&, const TMenuCard& record, bool differs) override
    {
        if (differs)
            m_dialog->clearArticles();
        else
            m_dialog->FillArticles(record.getExcludes());
    }
    void store(TMenuCard& record) const override { record.setExcludes(m_dialog->getForbidden()); }
    QVariant state() const override { return QVariant::fromValue(m_dialog->getForbidden()); }
    QList<QWidget*> widgets() const override { return {m_dialog->grpAllowed, m_dialog->grpForbidden}; }

private:
    TMenuCardDlg* m_dialog;
};

TMenuCardDlg::TMenuCardDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TMenuCardDlg")
{
}

TMenuCardDlg::~TMenuCardDlg() = default;

void TMenuCardDlg::initData()
{
    a_Family->hide();
    a_Plu->hide();
    for (TLumListView* list : {m_Allowed, m_Forbidden}) {
        list->setColumns({{tr("PLU"), QStringLiteral("id"), TLumColumn::Number},
                          {tr("Article"), QStringLiteral("name"), TLumColumn::Text},
                          {tr("Price"), QStringLiteral("price"), TLumColumn::Amount}});
        list->setColumnWidth(TMenuCardArtItem::PluColumn, 70);
        list->setColumnWidth(TMenuCardArtItem::ArticleColumn, 200);
        list->setSortingEnabled(true);
        list->sortByColumn(TMenuCardArtItem::PluColumn, Qt::AscendingOrder);
    }
    const QString notSpecified = tr("Not specified");
    QtWidgets::TComboBox& included = chooser(m_AFamily, 3, PosLib::Lists::families, notSpecified);
    QtWidgets::TComboBox& excluded = chooser(m_FFamily, 3, PosLib::Lists::families, notSpecified);
    m_included = std::make_unique<TMenuCardSide>(m_Allowed, &included);
    m_excluded = std::make_unique<TMenuCardSide>(m_Forbidden, &excluded);
    fields()
        .text(m_Name, &TMenuCard::getName, &TMenuCard::setName)
        .combo(chooser(PricelevelBox, 3, PosLib::TListNames::of<PosLib::TPricelevel>().root, tr("Not set")),
               &TMenuCard::getPriceLevel, &TMenuCard::setPriceLevel)
        .add(std::make_unique<TExcludesField>(this));
    refreshButtons();
}

void TMenuCardDlg::setID(TLumRecordRows* view)
{
    TEditorDialog::setID(view);
    FillArticles({});
}

void TMenuCardDlg::FillArticles(const QList<int>& excluded)
{
    QList<TMenuCardArtItem*> rows = m_included->takeAll() + m_excluded->takeAll();
    if (!m_articlesShown) {
        const auto* currencies = qobject_cast<const TCurrencies*>(workspaceList(PosLib::Lists::currencies));
        if (Basics::TValueList* articles = workspaceList(PosLib::Lists::articles)) {
            rows.reserve(articles->count());
            for (Basics::TValue* value : *articles) {
                if (auto* article = dynamic_cast<PosLib::TArticle*>(value))
                    rows << new TMenuCardArtItem(article, currencies);
            }
        }
        m_articlesShown = true;
    }
    const QSet<int> ids(excluded.cbegin(), excluded.cend());
    QList<TMenuCardArtItem*> included;
    QList<TMenuCardArtItem*> forbidden;
    included.reserve(rows.size());
    for (TMenuCardArtItem* row : rows)
        (ids.contains(row->plu()) ? forbidden : included) << row;
    m_included->add(included);
    m_excluded->add(forbidden);
    refreshButtons();
}

void TMenuCardDlg::clearArticles()
{
    qDeleteAll(m_included->takeAll());
    qDeleteAll(m_excluded->takeAll());
    m_articlesShown = false;
    refreshButtons();
}

QList<int> TMenuCardDlg::getForbidden() const
{
    return m_excluded ? m_excluded->ids() : QList<int>();
}

bool TMenuCardDlg::canMove() const
{
    return !multi && TLumConfig::appliedRight(this) == TLumConfig::Full;
}

void TMenuCardDlg::refreshButtons()
{
    const bool movable = canMove();
    b_Forbid->setEnabled(movable && m_included->hasSelection());
    b_ForbidAll->setEnabled(movable && m_included->hasShownRows());
    b_Allow->setEnabled(movable && m_excluded->hasSelection());
    b_AllowAll->setEnabled(movable && m_excluded->hasShownRows());
}

void TMenuCardDlg::exchange(TMenuCardSide& from, TMenuCardSide& to, bool selectedOnly)
{
    if (!canMove())
        return;
    to.add(from.takeShown(selectedOnly));
    refreshButtons();
}

void TMenuCardDlg::moveRow(TMenuCardSide& from, TMenuCardSide& to, QTreeWidgetItem* item)
{
    if (!canMove())
        return;
    to.add(from.take(item));
    refreshButtons();
}

void TMenuCardDlg::onForbid()
{
    exchange(*m_included, *m_excluded, true);
}

void TMenuCardDlg::onForbid(QTreeWidgetItem* item)
{
    moveRow(*m_included, *m_excluded, item);
}

void TMenuCardDlg::onForbidAll()
{
    exchange(*m_included, *m_excluded, false);
}

void TMenuCardDlg::onAllow()
{
    exchange(*m_excluded, *m_included, true);
}

void TMenuCardDlg::onAllow(QTreeWidgetItem* item)
{
    moveRow(*m_excluded, *m_included, item);
}

void TMenuCardDlg::onAllowAll()
{
    exchange(*m_excluded, *m_included, false);
}

void TMenuCardDlg::onAllowChange()
{
    refreshButtons();
}

void TMenuCardDlg::onForbidChange()
{
    refreshButtons();
}

void TMenuCardDlg::onAFamily()
{
    // The chooser reports its first filling too, before the sides exist.
    if (!m_included)
        return;
    m_included->applyFilter();
    refreshButtons();
}

void TMenuCardDlg::onFFamily()
{
    if (!m_excluded)
        return;
    m_excluded->applyFilter();
    refreshButtons();
}

void TMenuCardDlg::findIncClicked()
{
    if (window())
        window()->findListItem(m_FindInc->text(), m_Allowed);
}

void TMenuCardDlg::findExcClicked()
{
    if (window())
        window()->findListItem(m_FindExc->text(), m_Forbidden);
}

void TMenuCardDlg::findIncChanged(const QString& text)
{
    m_included->search(text);
}

void TMenuCardDlg::findExcChanged(const QString& text)
{
    m_excluded->search(text);
}
