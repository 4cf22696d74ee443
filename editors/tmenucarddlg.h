#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tmenucard.h"
#include "ui_TMenuCardDlgBase.h"

#include <memory>

class TMenuCardSide;
class QTreeWidgetItem;

// The menu card editor's form: the included and the excluded articles side by side with the
// buttons that move them. OK needs a name.
class LUMDIALOGS_EXPORT TMenuCardDlgBase : public LumDialogs::TEditorLayout<Ui::TMenuCardDlgBase> {
    Q_OBJECT
public:
    explicit TMenuCardDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected:
    // Return in a find field finds the next article instead of pressing OK.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected Q_SLOTS:
    virtual void onAllow() { notImplemented("onAllow()"); }
    virtual void onAllow(QTreeWidgetItem*) { notImplemented("onAllow(QListViewItem*)"); }
    virtual void onAllowAll() { notImplemented("onAllowAll()"); }
    virtual void onForbid() { notImplemented("onForbid()"); }
    virtual void onForbid(QTreeWidgetItem*) { notImplemented("onForbid(QListViewItem*)"); }
    virtual void onForbidAll() { notImplemented("onForbidAll()"); }
    virtual void onAllowChange() { notImplemented("onAllowChange()"); }
    virtual void onForbidChange() { notImplemented("onForbidChange()"); }
    virtual void onAFamily() { notImplemented("onAFamily()"); }
    virtual void onFFamily() { notImplemented("onFFamily()"); }
    // The find buttons (and Return in the find fields) go to the next matching article; typing
    // goes to the first.
    virtual void findIncClicked() { notImplemented("findIncClicked()"); }
    virtual void findExcClicked() { notImplemented("findExcClicked()"); }
    virtual void findIncChanged(const QString&) { notImplemented("findIncChanged(const QString&)"); }
    virtual void findExcChanged(const QString&) { notImplemented("findExcChanged(const QString&)"); }
    virtual void onNewArticle() { notImplemented("onNewArticle()"); }
    virtual void onNewFamily() { notImplemented("onNewFamily()"); }
};

// Creates and edits menu cards: the articles that may not be sold where the card is in force, and
// the price level it forces. Several cards edited together change only name and price level.
class LUMDIALOGS_EXPORT TMenuCardDlg : public LumDialogs::TEditorDialog<TMenuCardDlgBase, PosLib::TMenuCard> {
    Q_OBJECT
public:
    TMenuCardDlg(TLumWindow* window, QWidget* parent);
    ~TMenuCardDlg() override;

    void setID(TLumRecordRows* view) override;

protected:
    void initData() override;

    // Moves rows from one list to the other: the selected ones or all shown.
    void exchange(TMenuCardSide& from, TMenuCardSide& to, bool selectedOnly);
    // The ids of the excluded articles, those hidden by the family filter too, ascending.
    QList<int> getForbidden() const;

    void onAllow() override;
    void onAllow(QTreeWidgetItem* item) override;
    void onAllowAll() override;
    void onForbid() override;
    void onForbid(QTreeWidgetItem* item) override;
    void onForbidAll() override;
    void onAllowChange() override;
    void onForbidChange() override;
    void onAFamily() override;
    void onFFamily() override;
    void findIncClicked() override;
    void findExcClicked() override;
    void findIncChanged(const QString& text) override;
    void findExcChanged(const QString& text) override;

private:
    class TExcludesField;

    // Puts every article on its side: excluded when its id is among the ids, else included.
    void FillArticles(const QList<int>& excluded);
    void clearArticles();
    void refreshButtons();
    void moveRow(TMenuCardSide& from, TMenuCardSide& to, QTreeWidgetItem* item);
    // Articles move only while one card or a new one is edited, by an operator who may change it.
    bool canMove() const;

    std::unique_ptr<TMenuCardSide> m_included;
    std::unique_ptr<TMenuCardSide> m_excluded;
    bool m_articlesShown = false;
};
