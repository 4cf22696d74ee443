#pragma once

#include <QString>

// The change history of the demo: a payment form whose button text the manager changed and a
// waiter set back, recorded as the back office records its changes, so that the history has
// something to show. Written when the root's own database holds no history of the payment forms
// (never into a configured "poscashdb"); the payment form ends as it was.
class THistoryDemo {
public:
    // Returns the number of changes recorded.
    static int create(const QString& dataRoot);
};
