#pragma once

#include "lumdialogs_global.h"
#include "promotionform.h"
#include "ui_ArticleSelectDlgBase.h"

#include <memory>
#include <optional>

namespace Basics {
class TValueList;
}

// The form of the article picker: the search field, the article list, OK and Cancel.
class LUMDIALOGS_EXPORT ArticleSelectDlgBase : public PromotionForm<Ui::ArticleSelectDlgBase> {
    Q_OBJECT
public:
    explicit ArticleSelectDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                  Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void SearchArticles(const QString& text);
    virtual void openKeyboard();
};

namespace QtWidgets {

// Picks one article: typing narrows the list to the articles whose PLU begins with the text or
// whose name contains it (case ignored); OK, Return or a double click takes the current article.
// The list sorts by PLU or by name (each with the other to break ties) and holds 100,000 articles:
// it is a view of a model of its own, so that a keystroke filters in one step (docs/performance.md).
class LUMDIALOGS_EXPORT ArticleSelectDialog : public ArticleSelectDlgBase {
    Q_OBJECT
public:
    explicit ArticleSelectDialog(QWidget* parent = nullptr);
    ~ArticleSelectDialog() override;

    // Shows the articles of the list, the first one current.
    void fill(const Basics::TValueList* articles);
    // The PLU of the article taken; 0 until one was taken.
    int chosenPlu() const { return m_plu; }

    // Runs the picker over the articles at the mouse position; the PLU taken, none when cancelled.
    static std::optional<int> choose(QWidget* parent, const Basics::TValueList* articles);

public Q_SLOTS:
    // Takes the current article; without one the dialog is rejected.
    void accept() override;

protected:
    void SearchArticles(const QString& text) override;
    // A back office has a keyboard: the picker's on-screen keyboard of the till is not offered here.
    void openKeyboard() override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Model;
    // Keeps the current article current if the model still shows it, else the first one.
    void restoreCurrent(int article);
    int currentArticle() const;

    std::unique_ptr<Model> m_model;
    int m_plu = 0;
};

} // namespace QtWidgets
