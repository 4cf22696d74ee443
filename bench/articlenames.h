#pragma once

// Article names as a till has them, a product, a size or kind, and a number, spread by a hash of
// the id so that searches and sorting meet realistic data.

#include <QLatin1String>
#include <QString>

#include <array>

inline QString benchmarkArticleName(int id)
{
    static const std::array<const char*, 20> products = {
        "Beer",  "Wine",  "Water", "Juice", "Coffee", "Tea", "Bread",     "Cake",     "Soup", "Salad",
        "Pizza", "Pasta", "Steak", "Fish",  "Cheese", "Ham", "Ice cream", "Lemonade", "Cola", "Milk"};
    static const std::array<const char*, 12> kinds = {"small",  "large",   "0.3l",    "0.5l",
                                                      "bottle", "glass",   "special", "organic",
                                                      "light",  "classic", "double",  "house"};
    const quint32 hash = quint32(id) * 2654435761u;
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(products[hash % products.size()]),
             QLatin1String(kinds[(hash >> 8) % kinds.size()]))
        .arg(hash % 997);
}
