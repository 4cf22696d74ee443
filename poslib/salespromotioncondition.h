#pragma once

#include "basics_global.h"

#include <QString>

#include <rapidjson/fwd.h>

#include <memory>

namespace PosLib {

// One condition of a promotion page: a JSON object whose integer member "type" is its kind. Every
// other member is an integer; one that is missing (or no integer) reads as 0. Members the back
// office does not know stay in the object.
class BASICS_EXPORT SalesPromotionCondition {
public:
    enum Kind { OrderKind = 1, DepartmentKind = 2, TableKind = 3 };

    // A condition of that kind: {"type": kind}.
    explicit SalesPromotionCondition(int kind);
    // A copy of a condition object; its kind is its "type" (0 when it has none, or is no object).
    explicit SalesPromotionCondition(const rapidjson::Value& object);
    // The condition of a JSON text; a text that is no JSON object gives an empty object of kind 0.
    static SalesPromotionCondition fromText(const QString& text);

    SalesPromotionCondition(const SalesPromotionCondition& other);
    SalesPromotionCondition& operator=(const SalesPromotionCondition& other);
    virtual ~SalesPromotionCondition();

    // "type"
    int kind() const { return getInt("type"); }
    // The member as an integer, 0 when missing.
    int getInt(const char* name) const;
    // Sets the member where it stands (a twin of it goes), or adds it at the end.
    void setInt(const char* name, int value);
    // The object as compact JSON.
    QString toJson() const;

private:
    std::unique_ptr<rapidjson::Document> m_object;
};

// At least "count" pieces of the article "plu", ordered on the cost centre, article family and
// price level given (0: any) and discounted or not as "discount" says.
class BASICS_EXPORT OrderCondition : public SalesPromotionCondition {
public:
    enum Discount { IgnoreDiscount = 0, Discounted = 1, NotDiscounted = 2 };

    OrderCondition();
    explicit OrderCondition(const SalesPromotionCondition& condition);

    int getPlu() const { return getInt("plu"); }
    void setPlu(int plu) { setInt("plu", plu); }
    int getCount() const { return getInt("count"); }
    void setCount(int count) { setInt("count", count); }
    int getCostCenter() const { return getInt("costcenter"); }
    void setCostCenter(int id) { setInt("costcenter", id); }
    int getFamily() const { return getInt("family"); }
    void setFamily(int id) { setInt("family", id); }
    int getPriceLevel() const { return getInt("pricelevel"); }
    void setPriceLevel(int id) { setInt("pricelevel", id); }
    int getDiscount() const { return getInt("discount"); }
    void setDiscount(int discount) { setInt("discount", discount); }
};

// At least "count" articles of the department "dep", at the price level given (0: any).
class BASICS_EXPORT DepartmentCondition : public SalesPromotionCondition {
public:
    DepartmentCondition();
    explicit DepartmentCondition(const SalesPromotionCondition& condition);

    int getDepartment() const { return getInt("dep"); }
    void setDepartment(int id) { setInt("dep", id); }
    int getCount() const { return getInt("count"); }
    void setCount(int count) { setInt("count", count); }
    int getPriceLevel() const { return getInt("pricelevel"); }
    void setPriceLevel(int id) { setInt("pricelevel", id); }
};

} // namespace PosLib
