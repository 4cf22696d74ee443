#pragma once

#include "lumlib_global.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QDialog;
class TLumWindow;

namespace Basics {
class TInifile;
}

// The host configuration: an INI file in the data root (defaultFileName) with the operator's rights
// per dialog and a few switches of the installation:
//
//   [General]
//   RestOfWorld = no          ; VAT rates as outside the home country
//   TaxComposite = no         ; composite VAT rates
//   [KostForms]
//   Form1 = A Summary by cost centre   ; KOST summary forms, each beginning with its code
//   [TextGroups]
//   Suggestions = Drinks|Food         ; group-name suggestions of the text-module groups
//   [Users]                    ; who may log in; none: anybody works, as the command line says
//   3 = Anna|pbkdf2-sha256$...  ; id = name|password hash (lumoffice --hash-password makes one)
//   [FiscalDevice]
//   Answer = 0                 ; what the fiscal export device answers: 0 files the table,
//                              ; any other code refuses it with that code
//   [Rights]                   ; everybody, and anybody when no one is logged in
//   * = full                   ; full, readonly or none; "*" for every dialog
//   [Rights.3]                 ; the user with id 3, before [Rights]
//   TCurrencyDlg = readonly    ; a dialog by its object name
class LUMLIB_EXPORT TLumConfig {
public:
    enum Right { Full, ReadOnly, NoAccess };

    static const QString defaultFileName;

    // Reads the file; a missing file gives full rights and every switch off. A file that exists but
    // cannot be read (a directory, no permission, too large) makes every dialog read-only, and
    // errorText() tells why.
    explicit TLumConfig(const QString& fileName);
    ~TLumConfig();

    const QString& fileName() const { return m_fileName; }
    // Why the file could not be read; empty when it was read or is missing.
    const QString& errorText() const { return m_error; }

    // The right of a user (0: nobody logged in) for a dialog (by object name).
    Right right(const QString& dialog, int user) const;
    // Applies the right of the window's user to the dialog: read only disables every input and OK,
    // no access also tells the operator so.
    void checkDlgRight(QDialog* dialog, TLumWindow* window) const;
    // The right applied to a dialog last, applied once more (filling a dialog may enable inputs).
    static void reapplyRight(QDialog* dialog);
    // The right applied to a dialog; none when none was applied.
    static Right appliedRight(const QDialog* dialog);

    struct User {
        int id = 0;
        QString name;
        QString passwordHash;
    };
    // The users of [Users], in file order.
    QList<User> users() const;
    // The configured user of that id; null when there is none.
    std::optional<User> user(int id) const;
    // Whether the password is the user's (false for a user without one).
    bool checkPassword(int id, const QString& password) const;

    bool restOfWorld() const;
    bool doTaxComposite() const;
    QStringList getKostForms() const;
    // The code the fiscal export device answers (0 unless set).
    int fiscalAnswer() const;
    QStringList GetTextGroupSuggestionsList() const;
    void SetTextGroupSuggestionsList(const QStringList& suggestions);
    // Writes the file back; the lines not changed stay as they were. Throws Basics::TError.
    void save();

private:
    QString m_fileName;
    QString m_error;
    std::unique_ptr<Basics::TInifile> m_ini;
};
