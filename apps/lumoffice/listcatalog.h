#pragma once

#include "tlumlistview.h"

#include <QList>
#include <QString>

// The lists the back office shows, grouped as the operator thinks of them, with the columns that
// tell their records apart.
struct TListInfo {
    QString group;
    QString name;  // the workspace list
    QString title; // shown in the navigator
    QList<TLumColumn> columns;
};

class TListCatalog {
public:
    static const QList<TListInfo>& lists();
    static const TListInfo* find(const QString& name);
    // The groups in navigator order.
    static QStringList groups();
};
