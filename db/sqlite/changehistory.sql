-- The change history of the back office: every record it created, changed or deleted, with the
-- list, the record's id, the user, the time the clock showed and the record before and after (the
-- record stream of one record, base64; empty for none). Kind: 1 created, 2 changed, 3 deleted.
-- Rows are only ever added: the triggers refuse changing or removing one.
CREATE TABLE IF NOT EXISTS ChangeHistory (
    Nr INTEGER PRIMARY KEY AUTOINCREMENT,
    ListName VARCHAR(64) NOT NULL,
    RecordId INTEGER NOT NULL,
    UserId INTEGER NOT NULL,
    ChangedAt TIMESTAMP NOT NULL,
    Kind INTEGER NOT NULL,
    OldRecord TEXT,
    NewRecord TEXT
);
CREATE INDEX IF NOT EXISTS ChangeHistoryRecord ON ChangeHistory (ListName, RecordId, Nr);
CREATE INDEX IF NOT EXISTS ChangeHistoryTime ON ChangeHistory (ListName, ChangedAt);
CREATE INDEX IF NOT EXISTS ChangeHistoryUser ON ChangeHistory (ListName, UserId);
CREATE TRIGGER IF NOT EXISTS ChangeHistoryNoUpdate BEFORE UPDATE ON ChangeHistory BEGIN SELECT RAISE(ABORT, 'the change history is append-only'); END;
CREATE TRIGGER IF NOT EXISTS ChangeHistoryNoDelete BEFORE DELETE ON ChangeHistory BEGIN SELECT RAISE(ABORT, 'the change history is append-only'); END;
