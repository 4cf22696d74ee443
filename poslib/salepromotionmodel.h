#pragma once

#include "basics_global.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <rapidjson/fwd.h>

namespace PosLib {

// One page of a promotion as the editor shows it.
struct BASICS_EXPORT SalePromotionPage {
    QString name;
    bool active = true;
    QStringList conditions; // each condition object as compact JSON, in order

    // The page of a page object: "name" when it is a string, "active" only when it is true, the
    // "conditions" that are objects. Anything else reads as an empty page that is switched off.
    static SalePromotionPage read(const rapidjson::Value& page);
    bool operator==(const SalePromotionPage&) const = default;
};

// A promotion's model as the editor shows and writes it: the pages in order and the action.
//
// Reading takes what a stored text holds in the expected shape and leaves out the rest: pages that
// are no objects, conditions that are no objects, members of other types. An action of a kind the
// editor does not offer is kept as it is, so that saving does not drop it. A text that cannot be
// read at all (PosLib::Json) has no pages and no action.
struct BASICS_EXPORT SalePromotionModel {
    QList<SalePromotionPage> pages;
    bool combiOrder = false; // the action books the combination article
    int combiPlu = 0;        // the combination article
    QString otherAction;     // an action of another kind, as compact JSON; empty when none

    // The model of a stored text; readable tells whether the text was a JSON object.
    static SalePromotionModel read(const QString& text, bool* readable = nullptr);
    // The compact JSON text: "pages" with every page's "id" its position from 0, then "action" ({}
    // when there is none).
    QString text() const;
    bool operator==(const SalePromotionModel&) const = default;
};

} // namespace PosLib
