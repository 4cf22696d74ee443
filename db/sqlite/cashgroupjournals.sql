-- The cash journal: every movement of cash of a location (the vault, a waiter "name(id)", a
-- counted drawer) and cash group (payment form), signed. cashccd_id tells whether a count has
-- settled the row: 0 or less not yet, -1 claimed by a count in progress, above 0 the number of
-- the count that settled it. Other programs of the system write sales and bills into it too.
CREATE TABLE IF NOT EXISTS CashGroupJournals (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    timestampimport TIMESTAMP NOT NULL,
    timestamprecord TIMESTAMP NOT NULL,
    location TEXT NOT NULL,
    outlet INTEGER NOT NULL,
    outletname TEXT NOT NULL,
    mandant INTEGER NOT NULL,
    mandantname TEXT NOT NULL,
    outletsumkey INTEGER NOT NULL,
    terminal INTEGER NOT NULL,
    termname TEXT NOT NULL,
    center INTEGER NOT NULL,
    centername TEXT NOT NULL,
    waiter INTEGER NOT NULL,
    waitername TEXT NOT NULL,
    cashgroup TEXT NOT NULL,
    cashamount DOUBLE NOT NULL,
    cashform INTEGER NOT NULL,
    cashreason TEXT NOT NULL,
    bagno INTEGER NULL,
    billnum BIGINT NOT NULL DEFAULT 0,
    cashccd_id BIGINT NOT NULL DEFAULT 0,
    vaultinfo TEXT NULL
);
-- The journal of a time range; the rows a count claims and settles.
CREATE INDEX IF NOT EXISTS CashGroupJournalsTime ON CashGroupJournals (outletsumkey, timestamprecord);
CREATE INDEX IF NOT EXISTS CashGroupJournalsCount ON CashGroupJournals (outletsumkey, cashccd_id, location);

-- The journal as the cash office lists it.
CREATE VIEW IF NOT EXISTS CashGroupJournalView AS
SELECT id, outletsumkey, timestamprecord, location, waitername, cashgroup, cashamount, cashreason,
       termname, billnum
FROM CashGroupJournals;

-- The targets of a count: per location and cash group the sum of the rows the count has claimed.
CREATE VIEW IF NOT EXISTS GetCCDValues AS
SELECT outletsumkey AS sumoutlet, location, cashgroup, SUM(cashamount) AS target
FROM CashGroupJournals
WHERE cashccd_id = -1
GROUP BY outletsumkey, location, cashgroup;

-- Locations with rows no count has settled yet, since when they have not been counted (their last
-- count, or their oldest open row when they never were) and for how many calendar days.
CREATE VIEW IF NOT EXISTS GetNoCCDSinceDate AS
SELECT pending.outletsumkey AS sumoutlet, pending.location AS location,
       COALESCE(counted.lastcount, pending.oldest) AS NoCCDSince,
       CAST(julianday(date('now', 'localtime')) - julianday(date(COALESCE(counted.lastcount, pending.oldest)))
            AS INTEGER) AS NoCCDSinceDays
FROM (SELECT outletsumkey, location, MIN(timestamprecord) AS oldest
      FROM CashGroupJournals
      WHERE cashccd_id < 1
      GROUP BY outletsumkey, location) AS pending
LEFT JOIN (SELECT sumoutletid, location, MAX(ccdtimestamp) AS lastcount
           FROM cashgroupccd
           GROUP BY sumoutletid, location) AS counted
       ON counted.sumoutletid = pending.outletsumkey AND counted.location = pending.location;
