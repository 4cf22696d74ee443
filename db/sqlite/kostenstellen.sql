-- Cost centres as the point-of-sale database keeps them beside the "costcenters" list: the number
-- the database gives (KstNr), the cost centre's id (KSCode) and its name (Bezeichnung).
CREATE TABLE IF NOT EXISTS Kostenstellen (
    KstNr INTEGER PRIMARY KEY AUTOINCREMENT,
    KSCode INTEGER NOT NULL,
    Bezeichnung VARCHAR(60)
);
CREATE INDEX IF NOT EXISTS KostenstellenKSCode ON Kostenstellen (KSCode);
