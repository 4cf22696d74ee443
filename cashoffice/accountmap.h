#pragma once

#include "lumdialogs_global.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace Basics {
class TInifile;
class TValueList;
} // namespace Basics

// The cash office's settings in "externaccountmap.ini" of the data root:
//   [accountmap]       cash group (payment form name) = payment form id: the journal's "cashform"
//   [vaultaccountmap]  cash group = the vault's accounts of a cash-in;cash-out and flush;positive
//                      difference;negative difference of a count of the vault
//   [vaultpayforms]    action = the payment form ids the vault table lists (no entry: all)
//   [vaultinfos]       action = the info texts offered for a vault booking
//   [cashreasons]      kept for the point of sale; no booking here uses them
//   [database]         user, password: the login of the journal database (empty: the data
//                      source's own)
//   [settings]         pendingccddays: warn of locations not counted for that many days (0: never)
// The actions are "cashin", "cashout" and "flush"; lists are separated by "," (accounts by ";").
// The same file holds the denominations of the cash counter ([counters], see CounterDialog).
class LUMDIALOGS_EXPORT TAccountMap {
public:
    static const QString fileName; // "externaccountmap.ini"
    // The cashform of a cash group that the map does not name.
    static constexpr int unmappedCashForm = 999;
    enum VaultAccount {
        VaultCashIn = 0,
        VaultCashOut = 1,
        VaultPositiveDifference = 2,
        VaultNegativeDifference = 3
    };

    // The map file in a data path ("." when empty).
    static QString pathIn(const QString& dataPath);

    // Reads the file; payforms (the workspace's "payforms") decides which "accountmap" entries count.
    // False, with errorText() telling why, when the file is missing or cannot be read; the map is
    // then empty.
    bool read(const QString& path, const Basics::TValueList* payforms);
    const QString& errorText() const { return m_error; }

    // The payment form id that a cash group is booked under: its "accountmap" entry when that is a
    // non-zero integer naming a payment form, otherwise unmappedCashForm.
    int cashForm(const QString& cashGroup) const;
    // Whether the cash group has a usable "accountmap" entry.
    bool hasCashForm(const QString& cashGroup) const;
    // One of the four vault accounts of a cash group; empty when there is none.
    QString vaultAccount(const QString& cashGroup, VaultAccount which) const;
    // The payment form ids the vault table lists for an action, in order; empty: every form.
    QList<int> vaultPayforms(const QString& action) const;
    QStringList vaultInfos(const QString& action) const;
    QStringList cashReasons(const QString& key) const;
    QString databaseUser() const { return m_user; }
    QString databasePassword() const { return m_password; }
    int pendingCCDDays() const { return m_pendingDays; }

private:
    void readAccountMap(const Basics::TInifile& ini, const Basics::TValueList* payforms);
    static QHash<QString, QStringList> listSection(const Basics::TInifile& ini, const QString& section,
                                                   QChar separator);

    QString m_error;
    QHash<QString, int> m_cashForms;
    QHash<QString, QStringList> m_vaultAccounts;
    QHash<QString, QStringList> m_vaultPayforms;
    QHash<QString, QStringList> m_vaultInfos;
    QHash<QString, QStringList> m_cashReasons;
    QString m_user;
    QString m_password;
    int m_pendingDays = 0;
};
