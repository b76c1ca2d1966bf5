-- Table Room of one board's Database.accdb (an SQLite file under its historical name).
-- ID stays the first column and the others follow in this order: the tiles read the
-- columns by position. STRICT makes a price or index text that is no number fail with
-- the database's error instead of being stored as text.
CREATE TABLE Room (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    Roomname  TEXT,
    Code      TEXT,
    Stdprice  REAL,
    Saleprice REAL,
    clubprice REAL,
    Flag      INTEGER
) STRICT;

-- Changes and deletes find their rows by code; a code may occur more than once.
CREATE INDEX RoomCode ON Room (Code);
