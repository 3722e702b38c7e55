-- Tables of an agenda file. Amounts, rates, dates and most other values are kept
-- as text in their display forms ("#0.00", "#0.000", "dd.MM.yyyy"); row and line
-- numbers are integers. Column order matters where rows are copied with SELECT *.

CREATE TABLE AgendaNastavenie (
    Verzia TEXT DEFAULT '',
    NazovFirmy TEXT DEFAULT '',
    SidloUlica TEXT DEFAULT '',
    SidloPSC TEXT DEFAULT '',
    SidloMesto TEXT DEFAULT '',
    SidloStat TEXT DEFAULT '',
    ICO TEXT DEFAULT '',
    DIC TEXT DEFAULT '',
    ICDPH TEXT DEFAULT '',
    Telefon TEXT DEFAULT '',
    Fax TEXT DEFAULT '',
    Mobil TEXT DEFAULT '',
    Email TEXT DEFAULT '',
    Web TEXT DEFAULT '',
    Ucet TEXT DEFAULT '',
    IBAN TEXT DEFAULT '',
    SWIFT TEXT DEFAULT '',
    UctovnyRok TEXT DEFAULT '',
    SadzbaDPH TEXT DEFAULT '',
    Logo TEXT DEFAULT '',
    MenoUzivatela TEXT DEFAULT '',
    SkuskaDlzka TEXT DEFAULT '',
    SkuskaZaciatok TEXT DEFAULT '',
    SkuskaZostatok TEXT DEFAULT '',
    SkuskaKoniec TEXT DEFAULT '',
    Poznamky TEXT DEFAULT ''
);

CREATE TABLE AgendaPrisposobenie (
    Kod TEXT PRIMARY KEY,
    Prefix TEXT,
    Doklad TEXT,
    Zoznam TEXT
);

CREATE TABLE AgendaPrisposobenieOriginal (
    Kod TEXT PRIMARY KEY,
    Prefix TEXT,
    Doklad TEXT,
    Zoznam TEXT
);

CREATE TABLE UctovaOsnova (
    Cislo TEXT PRIMARY KEY,
    Nazov TEXT,
    Povod TEXT,
    Druh TEXT
);

CREATE TABLE UctovaOsnovaDruhy (
    Kod TEXT PRIMARY KEY,
    Nazov TEXT
);

CREATE TABLE UctovnyDennik (
    Riadok INTEGER PRIMARY KEY,
    Datum TEXT,
    Doklad TEXT,
    Ciastka TEXT,
    Mena TEXT,
    Kurz TEXT,
    Suma TEXT,
    Popis TEXT,
    MaDat TEXT,
    Dal TEXT
);

CREATE TABLE UctovnyDennikPomocny (
    Riadok INTEGER,
    Datum TEXT,
    Doklad TEXT,
    Ciastka TEXT,
    Mena TEXT,
    Kurz TEXT,
    Suma TEXT,
    Popis TEXT,
    MaDat TEXT,
    Dal TEXT
);

CREATE TABLE UctovnyDennikVzor (
    Riadok INTEGER,
    Datum TEXT,
    Doklad TEXT,
    Ciastka TEXT,
    Mena TEXT,
    Kurz TEXT,
    Suma TEXT,
    Popis TEXT,
    MaDat TEXT,
    Dal TEXT,
    Vypocty INTEGER
);

CREATE TABLE Doklady (
    Druh TEXT,
    Cislo TEXT PRIMARY KEY,
    Datum TEXT,
    Popis TEXT,
    NazovFirmy TEXT,
    SidloUlica TEXT,
    SidloPSC TEXT,
    SidloMesto TEXT,
    SidloStat TEXT,
    ICO TEXT,
    DIC TEXT,
    ICDPH TEXT,
    Vystavil TEXT,
    Schvalil TEXT,
    Prijal TEXT,
    Telefon TEXT,
    Fax TEXT,
    Mobil TEXT,
    Email TEXT,
    Web TEXT,
    Ucet TEXT,
    IBAN TEXT,
    SWIFT TEXT,
    NazovFirmy2 TEXT,
    SidloUlica2 TEXT,
    SidloPSC2 TEXT,
    SidloMesto2 TEXT,
    SidloStat2 TEXT,
    ICO2 TEXT,
    DIC2 TEXT,
    ICDPH2 TEXT,
    Datum2 TEXT,
    Datum3 TEXT,
    SposobPlatby TEXT,
    SposobDopravy TEXT,
    Zaklad TEXT,
    DPH TEXT,
    Spolu TEXT,
    Logo INTEGER
);

CREATE TABLE DokladyPolozky (
    Cislo INTEGER,
    Doklad TEXT,
    Riadok INTEGER,
    RiadokDPH INTEGER,
    SadzbaDPH TEXT,
    Popis TEXT,
    Cena TEXT
);

CREATE TABLE DokladyPolozkyPomocne (
    Cislo INTEGER,
    Doklad TEXT,
    Riadok INTEGER,
    RiadokDPH INTEGER,
    SadzbaDPH TEXT,
    Popis TEXT,
    Cena TEXT
);

CREATE TABLE HlavnaKniha (
    CisloUctu TEXT,
    MaDat TEXT,
    Dal TEXT,
    Skupina TEXT,
    Trieda TEXT
);

CREATE TABLE HlavnaKnihaVzor (
    CisloUctu TEXT,
    MaDat TEXT,
    Dal TEXT,
    Skupina TEXT,
    Trieda TEXT
);

CREATE TABLE Logo (
    Cislo INTEGER PRIMARY KEY,
    Obrazok BLOB
);

CREATE INDEX UctovnyDennikDoklad ON UctovnyDennik (Doklad);
CREATE INDEX DokladyPolozkyDoklad ON DokladyPolozky (Doklad, Cislo);
