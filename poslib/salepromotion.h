#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QString>

namespace PosLib {

// A sales promotion of the point of sale: when the orders of a bill satisfy the conditions of one
// of its pages, its action applies. "model" keeps pages, conditions and action as one JSON object:
//
//   {"pages":[{"name":"Lunch","id":0,"active":true,"conditions":[{"type":2,"dep":1,"count":2}]}],
//    "action":{"type":1,"prop":{"plu":9101}}}
//
// The model operations read "model" each time. A model that cannot be read (PosLib::Json) counts as
// an empty object, and a member that is missing or of another JSON type gives an empty result.
class BASICS_EXPORT SalePromotion : public Basics::TValue {
public:
    // The kind of action the back office offers: the combination article is booked.
    static constexpr int combiOrderAction = 1;

    QString getDescription() const;                  // "description"
    void setDescription(const QString& description); // removed when empty
    QString getModel() const;                        // "model", the JSON text as stored
    void setModel(const QString& model);             // removed when empty

    // A new page of that name, switched on, without conditions: {"name":N,"active":true}.
    static QString initialPage(const QString& name);
    // The "action" object as compact JSON; empty when there is none.
    QString getAction() const;
    // The "prop" object of the action as compact JSON; empty when there is none.
    QString getActionProperties() const;
    // The "plu" of the action's "prop": the combination article; 0 when there is none.
    int getCombiPlu() const;
    // The "pages" array as compact JSON; empty when there is none.
    QString getPages() const;
};

// A group of promotions, in the order the point of sale tries them.
class BASICS_EXPORT SalePromotionsGroup : public Basics::TValue {
public:
    QString getDescription() const;                  // "description"
    void setDescription(const QString& description); // removed when empty
    // "promotions": the member promotion ids in order, joined by ";".
    QList<int> getPromotions() const;
    void setPromotions(const QList<int>& ids); // removed when empty
};

} // namespace PosLib
