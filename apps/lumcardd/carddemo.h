#pragma once

#include <QString>

// Demo data of the card server, for trying the card dialogs: 20 clients, 10 formatted cards with
// balances, their pending and carried-out actions and their logs, 2 blank cards, and the server
// user "manager" with the password "demo".
class TCardDemo {
public:
    static const QString user;
    static const QString password;

    // Writes the demo into the card server's database of the data folder unless that holds data
    // already. Returns the number of records written; throws Database::TSQLError.
    static int create(const QString& dataDir);
};
