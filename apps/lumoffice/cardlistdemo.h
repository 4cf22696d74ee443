#pragma once

#include <QString>

// The cards and clients of the demo: the card server's demo data in the data root, and the back
// office's card list (with its UID mapping) and client copy made from it, as reading the cards and
// loading the clients would make them.
class TCardListDemo {
public:
    // Writes what the data root does not hold yet; returns the number of records written. Throws
    // Basics::TError.
    static int create(const QString& dataRoot);
};
