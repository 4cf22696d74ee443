-- Cash counts: one row per counted cash group of a location, with the target the journal gave,
-- the counted amount and their difference; ccdid is the number of the count.
CREATE TABLE IF NOT EXISTS cashgroupccd (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ccdtimestamp TIMESTAMP NULL,
    location TEXT NULL,
    cashgroup TEXT NULL,
    targetamount NUMERIC(12,5) NULL,
    differenceamount NUMERIC(12,5) NULL,
    actualamount NUMERIC(12,5) NULL,
    outletid BIGINT NOT NULL,
    outletname TEXT NOT NULL,
    mandantid BIGINT NOT NULL,
    mandantname TEXT NOT NULL,
    sumoutletid BIGINT NOT NULL,
    terminalid BIGINT NOT NULL,
    terminalname TEXT NOT NULL,
    costcenterid BIGINT NOT NULL,
    costcentername TEXT NOT NULL,
    waiterid BIGINT NULL,
    waitername TEXT NULL,
    ccdid BIGINT NULL
);
-- The last count of a location.
CREATE INDEX IF NOT EXISTS cashgroupccdlocation ON cashgroupccd (sumoutletid, location, ccdtimestamp);
