#include "Rtf.h"

#include <QColor>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace saldovia::rtf {

namespace {

// Windows-1250 from 0x80 up; bytes without a character keep their value (as Windows does).
constexpr char16_t Windows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Windows-1252 from 0x80 to 0x9F; from 0xA0 up it is Latin-1.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString dekodovat(const QByteArray& bajty, int kodovaStranka) {
    QString s;
    switch (kodovaStranka) {
    case 1250:
        s.reserve(bajty.size());
        for (const char b : bajty)
            s += zWindows1250(static_cast<unsigned char>(b));
        return s;
    case 65001:
        return QString::fromUtf8(bajty);
    case 1252:
        break;
    default: {
        // Other code pages as far as the platform knows them; Windows-1252 otherwise.
        QStringDecoder d(QStringLiteral("windows-%1").arg(kodovaStranka).toLatin1().constData());
        if (!d.isValid())
            d = QStringDecoder(QStringLiteral("cp%1").arg(kodovaStranka).toLatin1().constData());
        if (d.isValid())
            return d.decode(bajty);
        break;
    }
    }
    s.reserve(bajty.size());
    for (const char b : bajty) {
        const auto u = static_cast<unsigned char>(b);
        s += (u >= 0x80 && u < 0xA0) ? QChar(Windows1252[u - 0x80]) : QChar(u);
    }
    return s;
}

// The code page of a font's character set; 0 for the document's own (\ansicpg).
int kodovaStrankaZnakovejSady(int sada) {
    switch (sada) {
    case 0:
    case 2: // symbol fonts: their bytes are taken as they come
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

enum class Slovo {
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    Ansicpg,
    Deff,
    Fonttbl,
    Colortbl,
    F,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
    Fs,
    B,
    I,
    Ul,
    Ulnone,
    Strike,
    V,
    Cf,
    Plain,
    Pard,
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Ql,
    Qc,
    Qr,
    Qj,
    Uc,
    U,
    Bin,
    Znak, // a control word that stands for one character
    Pn,
    Pnlvlblt,
    Pnlvlbody,
    Pnlvl,
    Pnlvlcont,
    Listtable,
    List,
    Listlevel,
    Levelnfc,
    Listid,
    Listoverridetable,
    Listoverride,
    Ls,
    Page,
    Pagebb,
    Intbl,
    Trowd,
    Trleft,
    Cellx,
    Tx,
    Fldinst,
    Obrazok,   // a picture: skipped, and counted
    Objekt,    // an embedded object: skipped, and counted
    Hlavicka,  // a header or footer: skipped, and counted
    Poznamka,  // a footnote or endnote: skipped, and counted
    Komentar,  // a comment: skipped, and counted
    Preskocit, // a destination whose content is not shown
};

struct ZnameSlovo {
    Slovo slovo;
    char16_t znak = 0;
};

const QHash<QByteArray, ZnameSlovo>& slova() {
    static const QHash<QByteArray, ZnameSlovo> s = [] {
        QHash<QByteArray, ZnameSlovo> h{
            {"rtf", {Slovo::Rtf}},
            {"ansi", {Slovo::Ansi}},
            {"mac", {Slovo::Mac}},
            {"pc", {Slovo::Pc}},
            {"pca", {Slovo::Pca}},
            {"ansicpg", {Slovo::Ansicpg}},
            {"deff", {Slovo::Deff}},
            {"fonttbl", {Slovo::Fonttbl}},
            {"colortbl", {Slovo::Colortbl}},
            {"f", {Slovo::F}},
            {"fcharset", {Slovo::Fcharset}},
            {"cpg", {Slovo::Cpg}},
            {"red", {Slovo::Red}},
            {"green", {Slovo::Green}},
            {"blue", {Slovo::Blue}},
            {"fs", {Slovo::Fs}},
            {"b", {Slovo::B}},
            {"i", {Slovo::I}},
            {"ulnone", {Slovo::Ulnone}},
            {"strike", {Slovo::Strike}},
            {"striked", {Slovo::Strike}},
            {"v", {Slovo::V}},
            {"cf", {Slovo::Cf}},
            {"plain", {Slovo::Plain}},
            {"pard", {Slovo::Pard}},
            {"par", {Slovo::Par}},
            {"sect", {Slovo::Par}},
            {"page", {Slovo::Page}},
            {"pagebb", {Slovo::Pagebb}},
            {"intbl", {Slovo::Intbl}},
            {"trowd", {Slovo::Trowd}},
            {"trleft", {Slovo::Trleft}},
            {"cellx", {Slovo::Cellx}},
            {"tx", {Slovo::Tx}},
            {"fldinst", {Slovo::Fldinst}},
            {"pict", {Slovo::Obrazok}},
            {"shppict", {Slovo::Obrazok}},
            {"object", {Slovo::Objekt}},
            {"header", {Slovo::Hlavicka}},
            {"headerl", {Slovo::Hlavicka}},
            {"headerr", {Slovo::Hlavicka}},
            {"headerf", {Slovo::Hlavicka}},
            {"footer", {Slovo::Hlavicka}},
            {"footerl", {Slovo::Hlavicka}},
            {"footerr", {Slovo::Hlavicka}},
            {"footerf", {Slovo::Hlavicka}},
            {"footnote", {Slovo::Poznamka}},
            {"annotation", {Slovo::Komentar}},
            {"line", {Slovo::Line}},
            {"tab", {Slovo::Tab}},
            {"cell", {Slovo::Cell}},
            {"nestcell", {Slovo::Cell}},
            {"row", {Slovo::Row}},
            {"nestrow", {Slovo::Row}},
            {"ql", {Slovo::Ql}},
            {"qc", {Slovo::Qc}},
            {"qr", {Slovo::Qr}},
            {"qj", {Slovo::Qj}},
            {"qd", {Slovo::Qj}},
            {"uc", {Slovo::Uc}},
            {"u", {Slovo::U}},
            {"bin", {Slovo::Bin}},
            {"emdash", {Slovo::Znak, 0x2014}},
            {"endash", {Slovo::Znak, 0x2013}},
            {"emspace", {Slovo::Znak, 0x2003}},
            {"enspace", {Slovo::Znak, 0x2002}},
            {"qmspace", {Slovo::Znak, 0x2005}},
            {"bullet", {Slovo::Znak, 0x2022}},
            {"lquote", {Slovo::Znak, 0x2018}},
            {"rquote", {Slovo::Znak, 0x2019}},
            {"ldblquote", {Slovo::Znak, 0x201C}},
            {"rdblquote", {Slovo::Znak, 0x201D}},
            {"pn", {Slovo::Pn}},
            {"pnlvlblt", {Slovo::Pnlvlblt}},
            {"pnlvlbody", {Slovo::Pnlvlbody}},
            {"pnlvl", {Slovo::Pnlvl}},
            {"pnlvlcont", {Slovo::Pnlvlcont}},
            {"listtable", {Slovo::Listtable}},
            {"list", {Slovo::List}},
            {"listlevel", {Slovo::Listlevel}},
            {"levelnfc", {Slovo::Levelnfc}},
            {"levelnfcn", {Slovo::Levelnfc}},
            {"listid", {Slovo::Listid}},
            {"listoverridetable", {Slovo::Listoverridetable}},
            {"listoverride", {Slovo::Listoverride}},
            {"ls", {Slovo::Ls}},
        };
        for (const char* ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                               "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                               "ulthldash", "ululdbwave", "ulw", "ulwave"})
            h.insert(ul, {Slovo::Ul});
        // Destinations that are not marked with \* but hold nothing to show.
        for (const char* d :
             {"stylesheet",   "info",      "pntext",   "listtext", "nonshppict", "shp",
              "shpinst",      "shprslt",   "xe",       "tc",       "txe",        "rxe",
              "atnid",        "atnauthor", "atndate",  "atnicn",   "atnref",     "atntime",
              "atrfend",      "atrfstart", "ftnsep",   "ftnsepc",  "ftncn",      "aftnsep",
              "aftnsepc",     "aftncn",    "fontemb",  "fontfile", "filetbl",    "revtbl",
              "private",      "userprops", "docvar",   "pntxta",   "pntxtb",     "leveltext",
              "levelnumbers", "listname",  "falt",     "panose",   "bkmkstart",  "bkmkend",
              "comment",      "template",  "objdata",  "do",       "author",     "operator",
              "title",        "subject",   "keywords", "doccomm",  "buptim",     "creatim",
              "printim",      "revtim"})
            h.insert(d, {Slovo::Preskocit});
        return h;
    }();
    return s;
}

enum class Ciel : unsigned char {
    Text,
    Preskocit,
    Fonty,
    Farby,
    Pn,
    Zoznamy,
    Zoznam,
    UrovenZoznamu,
    Prepisy,
    Prepis,
    PoleInst // a field's instruction: read for a link's address
};

enum class DruhZoznamu : unsigned char { Ziadny, Odrazky, Cisla };

// What a group carries: its destination and the character and paragraph properties.
struct Stav {
    Ciel ciel = Ciel::Text;
    int font = -1;
    int velkost = 24; // half points
    bool tucne = false;
    bool kurziva = false;
    bool podciarknute = false;
    bool preciarknute = false;
    bool skryte = false;
    int farba = 0;
    int uc = 1;
    Qt::Alignment zarovnanie = Qt::AlignLeft;
    DruhZoznamu zoznam = DruhZoznamu::Ziadny; // from \pn
    int ls = 0;                               // from \ls; 0 = none
    bool vTabulke = false;                    // \intbl
    bool zlomPred = false;                    // \pagebb
    QList<int> tabulatory;                    // \tx, twips
    QString odkaz;                            // the address of a link's text
};

// The character properties of a state, to tell when its format is the one made last.
struct Pismo {
    int font;
    int velkost;
    bool tucne, kurziva, podciarknute, preciarknute;
    int farba;
    QString odkaz;
    bool operator==(const Pismo&) const = default;
};

Pismo pismo(const Stav& s) {
    return {s.font,         s.velkost,      s.tucne, s.kurziva,
            s.podciarknute, s.preciarknute, s.farba, s.odkaz};
}

struct Beh {
    QString text;
    QTextCharFormat format;
};

struct Odsek {
    QList<Beh> behy;
    Qt::Alignment zarovnanie = Qt::AlignLeft;
    DruhZoznamu zoznam = DruhZoznamu::Ziadny;
    int ls = 0;        // the \ls of the paragraph; 0 for none or \pn
    int idZoznamu = 0; // paragraphs of one list share it
    QTextCharFormat znacka;
    bool zlomPred = false; // a page break before it
    QList<int> tabulatory; // its own tab stops (\tx), twips
    bool riadokTabulky = false;
    QList<int> bunky; // a table row's cell edges (\cellx) from the row's left, twips
};

struct Font {
    QString meno;
    int kodovaStranka = 0; // 0 = the document's
};

constexpr int NajvacsiaHlbka = 4096;

class Citac {
public:
    Citac(const QByteArray& data, bool zachranit) : d_(data), zachranit_(zachranit) {}

    Chyba citat();
    QList<Odsek> odseky;
    Vynechane vynechane;

private:
    bool koniec() const { return pos_ >= d_.size(); }
    Stav& stav() { return zasobnik_.last(); }
    bool kontrolneSlovo();
    void slovo(const QByteArray& meno, bool maCislo, int cislo);
    void symbol(char c);
    void bajt(char c);
    void znaky(const QString& text);
    void vyprazdnit();
    void ukoncitOdsek(const Stav& s);
    void zaciatokSkupiny();
    void koniecSkupiny();
    int kodovaStranka();
    QTextCharFormat format(const Stav& s) const;
    void ulozitFont();
    void ulozitFarbu();
    // A malformed escape: an error, or skipped when salvaging.
    bool poskodene() {
        poskodene_ = true;
        return zachranit_;
    }

    const QByteArray& d_;
    const bool zachranit_;
    qsizetype pos_ = 0;
    bool poskodene_ = false;
    bool hotovo_ = false;
    QList<Stav> zasobnik_;
    Stav posledny_;
    bool hviezdicka_ = false;
    int preskocitZnakov_ = 0;

    // Document properties.
    int ansi_ = 1252;
    int deff_ = -1;
    QHash<int, Font> fonty_;
    QList<QColor> farby_;

    // Tables being read.
    int fontCislo_ = -1;
    int fontSada_ = -1;
    int fontStranka_ = 0;
    QByteArray fontMeno_;
    QString fontMenoText_;
    int cervena_ = -1, zelena_ = -1, modra_ = -1;
    DruhZoznamu pn_ = DruhZoznamu::Ziadny;
    int listId_ = 0, listNfc_ = -1, urovne_ = 0;
    QHash<int, int> nfcZoznamu_; // \listid -> format of its first level's numbers
    int prepisListId_ = 0, prepisLs_ = 0;
    QHash<int, int> lsNaList_; // \ls -> \listid
    QByteArray poleInst_;      // the instruction of the field being read
    QList<int> cellx_;         // the cell edges of the table row being read
    int trleft_ = 0;
    bool zlomDalsieho_ = false; // \page: the next paragraph starts a page

    // The format made last and what it was made from.
    mutable std::optional<Pismo> poslednePismo_;
    mutable QTextCharFormat poslednyFormat_;

    // Text being read.
    QByteArray bajty_;
    Odsek odsek_;
    int pocetOdsekov_ = 0;
    int idZoznamu_ = 0;
};

Chyba Citac::citat() {
    if (!jeRtf(d_))
        return Chyba::NieJeRtf;
    while (!koniec() && d_[pos_] != '{')
        ++pos_;
    while (!koniec() && !hotovo_) {
        const char c = d_[pos_];
        if (c == '{') {
            ++pos_;
            if (zasobnik_.size() >= NajvacsiaHlbka) {
                poskodene_ = true;
                break;
            }
            zaciatokSkupiny();
        } else if (c == '}') {
            ++pos_;
            koniecSkupiny();
        } else if (c == '\\') {
            ++pos_;
            if (!kontrolneSlovo())
                return Chyba::Poskodene;
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++pos_;
        } else {
            ++pos_;
            if (preskocitZnakov_ > 0)
                --preskocitZnakov_;
            else if (c == '\t')
                znaky(QStringLiteral("\t"));
            else
                bajt(c);
        }
    }
    if (!hotovo_) {
        // Cut short: the last group never closed.
        poskodene_ = true;
        if (!zachranit_)
            return Chyba::Poskodene;
        if (!zasobnik_.isEmpty())
            posledny_ = zasobnik_.constFirst();
        vyprazdnit();
    }
    if (poskodene_ && !zachranit_)
        return Chyba::Poskodene;
    // The paragraph after the last \par is kept only when it holds something.
    if (!odsek_.behy.isEmpty() || pocetOdsekov_ == 0)
        ukoncitOdsek(posledny_);
    return poskodene_ ? Chyba::Poskodene : Chyba::Ziadna;
}

void Citac::zaciatokSkupiny() {
    vyprazdnit();
    preskocitZnakov_ = 0;
    zasobnik_.append(zasobnik_.isEmpty() ? Stav() : zasobnik_.constLast());
    hviezdicka_ = false;
}

void Citac::koniecSkupiny() {
    vyprazdnit();
    preskocitZnakov_ = 0;
    hviezdicka_ = false;
    if (zasobnik_.isEmpty())
        return;
    const Stav zatvoreny = zasobnik_.takeLast();
    if (zasobnik_.isEmpty()) {
        posledny_ = zatvoreny;
        hotovo_ = true;
        return;
    }
    const Ciel rodic = stav().ciel;
    if (zatvoreny.ciel == Ciel::PoleInst && rodic != Ciel::PoleInst) {
        // HYPERLINK "address": the field's result (the next group) is the link's text.
        static const QRegularExpression odkaz(QStringLiteral("^\\s*HYPERLINK\\s+\"([^\"]+)\""));
        const QRegularExpressionMatch m = odkaz.match(QString::fromLatin1(poleInst_));
        if (m.hasMatch())
            stav().odkaz = m.captured(1);
        poleInst_.clear();
        return;
    }
    if (zatvoreny.ciel == rodic)
        return;
    poslednePismo_.reset(); // the tables may have changed what a state looks like
    switch (zatvoreny.ciel) {
    case Ciel::Fonty:
        ulozitFont();
        break;
    case Ciel::Pn:
        stav().zoznam = pn_;
        stav().ls = 0;
        break;
    case Ciel::Zoznam:
        if (listId_ != 0)
            nfcZoznamu_.insert(listId_, listNfc_);
        break;
    case Ciel::Prepis:
        if (prepisLs_ != 0)
            lsNaList_.insert(prepisLs_, prepisListId_);
        break;
    default:
        break;
    }
}

bool Citac::kontrolneSlovo() {
    if (koniec())
        return poskodene();
    const char c = d_[pos_];
    const bool pismeno = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!pismeno) {
        ++pos_;
        if (c == '\'') {
            auto hex = [](char h) {
                if (h >= '0' && h <= '9')
                    return h - '0';
                if (h >= 'a' && h <= 'f')
                    return h - 'a' + 10;
                if (h >= 'A' && h <= 'F')
                    return h - 'A' + 10;
                return -1;
            };
            const int h1 = pos_ < d_.size() ? hex(d_[pos_]) : -1;
            const int h2 = pos_ + 1 < d_.size() ? hex(d_[pos_ + 1]) : -1;
            if (h1 < 0 || h2 < 0)
                return poskodene();
            pos_ += 2;
            if (preskocitZnakov_ > 0)
                --preskocitZnakov_;
            else
                bajt(static_cast<char>(h1 * 16 + h2));
            return true;
        }
        vyprazdnit();
        if (c == '*') {
            hviezdicka_ = true;
            return true;
        }
        if (preskocitZnakov_ > 0) {
            --preskocitZnakov_;
            return true;
        }
        symbol(c);
        return true;
    }
    const qsizetype zaciatok = pos_;
    while (!koniec() &&
           ((d_[pos_] >= 'a' && d_[pos_] <= 'z') || (d_[pos_] >= 'A' && d_[pos_] <= 'Z')))
        ++pos_;
    const QByteArray meno = QByteArray::fromRawData(d_.constData() + zaciatok, pos_ - zaciatok);
    bool zaporne = false;
    if (!koniec() && d_[pos_] == '-' && pos_ + 1 < d_.size() && d_[pos_ + 1] >= '0' &&
        d_[pos_ + 1] <= '9') {
        zaporne = true;
        ++pos_;
    }
    bool maCislo = false;
    qint64 cislo = 0;
    while (!koniec() && d_[pos_] >= '0' && d_[pos_] <= '9') {
        maCislo = true;
        cislo = std::min<qint64>(cislo * 10 + (d_[pos_] - '0'), std::numeric_limits<int>::max());
        ++pos_;
    }
    if (zaporne)
        cislo = -cislo;
    if (!koniec() && d_[pos_] == ' ')
        ++pos_;
    vyprazdnit();
    if (meno == "bin") {
        // Raw bytes, whatever the destination.
        const qint64 dlzka = std::max<qint64>(cislo, 0);
        if (dlzka > d_.size() - pos_) {
            pos_ = d_.size();
            return poskodene();
        }
        pos_ += dlzka;
        if (preskocitZnakov_ > 0)
            --preskocitZnakov_;
        return true;
    }
    if (preskocitZnakov_ > 0) {
        --preskocitZnakov_;
        return true;
    }
    slovo(meno, maCislo, static_cast<int>(cislo));
    return true;
}

void Citac::symbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        bajt(c);
        break;
    case '~':
        znaky(QString(QChar(0x00A0)));
        break;
    case '_':
        znaky(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        if (stav().ciel == Ciel::Text) {
            ukoncitOdsek(stav());
        }
        break;
    case '\t':
        znaky(QStringLiteral("\t"));
        break;
    default: // \- optional hyphen, \| \: and others show nothing
        break;
    }
}

void Citac::slovo(const QByteArray& meno, bool maCislo, int cislo) {
    if (zasobnik_.isEmpty())
        return;
    const auto it = slova().constFind(meno);
    const bool hviezdicka = hviezdicka_;
    hviezdicka_ = false;
    Stav& s = stav();
    if (it == slova().constEnd()) {
        // An unknown destination marked as ignorable is skipped with its group.
        if (hviezdicka)
            s.ciel = Ciel::Preskocit;
        return;
    }
    const Slovo w = it->slovo;
    const bool zapnute = !maCislo || cislo != 0;
    if (s.ciel == Ciel::Text || s.ciel == Ciel::PoleInst) {
        // What the notes cannot hold is skipped with its group, and told.
        int* pocet = nullptr;
        switch (w) {
        case Slovo::Obrazok:
            pocet = &vynechane.obrazky;
            break;
        case Slovo::Objekt:
            pocet = &vynechane.objekty;
            break;
        case Slovo::Hlavicka:
            pocet = &vynechane.hlavicky;
            break;
        case Slovo::Poznamka:
            pocet = &vynechane.poznamky;
            break;
        case Slovo::Komentar:
            pocet = &vynechane.komentare;
            break;
        default:
            break;
        }
        if (pocet) {
            ++*pocet;
            s.ciel = Ciel::Preskocit;
            return;
        }
        if (w == Slovo::Fldinst) {
            s.ciel = Ciel::PoleInst;
            poleInst_.clear();
            return;
        }
    }
    if (hviezdicka && w != Slovo::Pn && w != Slovo::Listtable && w != Slovo::Listoverridetable) {
        s.ciel = Ciel::Preskocit;
        return;
    }
    if (s.ciel == Ciel::Preskocit)
        return;

    switch (s.ciel) {
    case Ciel::Fonty:
        if (w == Slovo::F) {
            if (fontCislo_ >= 0 && (!fontMeno_.isEmpty() || !fontMenoText_.isEmpty()))
                ulozitFont();
            fontCislo_ = cislo;
            fontSada_ = -1;
            fontStranka_ = 0;
            fontMeno_.clear();
            fontMenoText_.clear();
        } else if (w == Slovo::Fcharset) {
            fontSada_ = cislo;
        } else if (w == Slovo::Cpg) {
            fontStranka_ = cislo;
        } else if (w == Slovo::U) {
            fontMenoText_ += dekodovat(fontMeno_, kodovaStranka());
            fontMeno_.clear();
            fontMenoText_ += QChar(static_cast<char16_t>(cislo < 0 ? cislo + 65536 : cislo));
            preskocitZnakov_ = s.uc;
        } else if (w == Slovo::Uc) {
            s.uc = std::max(cislo, 0);
        } else if (w == Slovo::Preskocit) {
            s.ciel = Ciel::Preskocit;
        }
        return;
    case Ciel::Farby:
        if (w == Slovo::Red)
            cervena_ = std::clamp(cislo, 0, 255);
        else if (w == Slovo::Green)
            zelena_ = std::clamp(cislo, 0, 255);
        else if (w == Slovo::Blue)
            modra_ = std::clamp(cislo, 0, 255);
        return;
    case Ciel::Pn:
        if (w == Slovo::Pnlvlblt)
            pn_ = DruhZoznamu::Odrazky;
        else if (w == Slovo::Pnlvlbody || w == Slovo::Pnlvl)
            pn_ = DruhZoznamu::Cisla;
        else if (w == Slovo::Pnlvlcont)
            pn_ = DruhZoznamu::Ziadny;
        else if (w == Slovo::Preskocit)
            s.ciel = Ciel::Preskocit;
        return;
    case Ciel::Zoznamy:
        if (w == Slovo::List) {
            s.ciel = Ciel::Zoznam;
            listId_ = 0;
            listNfc_ = -1;
            urovne_ = 0;
        }
        return;
    case Ciel::Zoznam:
        if (w == Slovo::Listlevel) {
            s.ciel = Ciel::UrovenZoznamu;
            ++urovne_;
        } else if (w == Slovo::Listid) {
            listId_ = cislo;
        } else if (w == Slovo::Preskocit) {
            s.ciel = Ciel::Preskocit;
        }
        return;
    case Ciel::UrovenZoznamu:
        if (w == Slovo::Levelnfc && urovne_ == 1)
            listNfc_ = cislo;
        else if (w == Slovo::Preskocit)
            s.ciel = Ciel::Preskocit;
        return;
    case Ciel::Prepisy:
        if (w == Slovo::Listoverride) {
            s.ciel = Ciel::Prepis;
            prepisListId_ = 0;
            prepisLs_ = 0;
        }
        return;
    case Ciel::Prepis:
        if (w == Slovo::Listid)
            prepisListId_ = cislo;
        else if (w == Slovo::Ls)
            prepisLs_ = cislo;
        return;
    case Ciel::PoleInst:
        return;
    case Ciel::Text:
    case Ciel::Preskocit:
        break;
    }

    switch (w) {
    case Slovo::Ansi:
        ansi_ = 1252;
        break;
    case Slovo::Mac:
        ansi_ = 10000;
        break;
    case Slovo::Pc:
        ansi_ = 437;
        break;
    case Slovo::Pca:
        ansi_ = 850;
        break;
    case Slovo::Ansicpg:
        if (cislo > 0)
            ansi_ = cislo;
        break;
    case Slovo::Deff:
        deff_ = cislo;
        if (s.font < 0)
            s.font = cislo;
        break;
    case Slovo::Fonttbl:
        s.ciel = Ciel::Fonty;
        fontCislo_ = -1;
        fontMeno_.clear();
        fontMenoText_.clear();
        break;
    case Slovo::Colortbl:
        s.ciel = Ciel::Farby;
        farby_.clear();
        cervena_ = zelena_ = modra_ = -1;
        break;
    case Slovo::Pn:
        s.ciel = Ciel::Pn;
        pn_ = DruhZoznamu::Odrazky;
        break;
    case Slovo::Listtable:
        s.ciel = Ciel::Zoznamy;
        break;
    case Slovo::Listoverridetable:
        s.ciel = Ciel::Prepisy;
        break;
    case Slovo::Preskocit:
        s.ciel = Ciel::Preskocit;
        break;
    case Slovo::F:
        s.font = cislo;
        break;
    case Slovo::Fs:
        s.velkost = maCislo && cislo > 0 ? std::min(cislo, 3276) : 24;
        break;
    case Slovo::B:
        s.tucne = zapnute;
        break;
    case Slovo::I:
        s.kurziva = zapnute;
        break;
    case Slovo::Ul:
        s.podciarknute = zapnute;
        break;
    case Slovo::Ulnone:
        s.podciarknute = false;
        break;
    case Slovo::Strike:
        s.preciarknute = zapnute;
        break;
    case Slovo::V:
        s.skryte = zapnute;
        break;
    case Slovo::Cf:
        s.farba = std::max(cislo, 0);
        break;
    case Slovo::Plain:
        s.font = deff_;
        s.velkost = 24;
        s.tucne = s.kurziva = s.podciarknute = s.preciarknute = s.skryte = false;
        s.farba = 0;
        break;
    case Slovo::Pard:
        s.zarovnanie = Qt::AlignLeft;
        s.zoznam = DruhZoznamu::Ziadny;
        s.ls = 0;
        s.vTabulke = false;
        s.zlomPred = false;
        s.tabulatory.clear();
        break;
    case Slovo::Intbl:
        s.vTabulke = true;
        break;
    case Slovo::Pagebb:
        s.zlomPred = zapnute;
        break;
    case Slovo::Tx:
        if (cislo > 0 && s.tabulatory.size() < 64)
            s.tabulatory.append(cislo);
        break;
    case Slovo::Trowd:
        cellx_.clear();
        trleft_ = 0;
        break;
    case Slovo::Trleft:
        trleft_ = cislo;
        break;
    case Slovo::Cellx:
        if (cellx_.size() < 64)
            cellx_.append(cislo);
        break;
    case Slovo::Page:
        if (s.ciel == Ciel::Text) {
            ukoncitOdsek(s);
            zlomDalsieho_ = true;
        }
        break;
    case Slovo::Ql:
        s.zarovnanie = Qt::AlignLeft;
        break;
    case Slovo::Qc:
        s.zarovnanie = Qt::AlignHCenter;
        break;
    case Slovo::Qr:
        s.zarovnanie = Qt::AlignRight;
        break;
    case Slovo::Qj:
        s.zarovnanie = Qt::AlignJustify;
        break;
    case Slovo::Ls:
        s.ls = cislo;
        s.zoznam = DruhZoznamu::Ziadny;
        break;
    case Slovo::Par:
        // A paragraph inside a cell stays on the row's line.
        if (s.ciel == Ciel::Text && s.vTabulke)
            znaky(QStringLiteral(" "));
        else if (s.ciel == Ciel::Text)
            ukoncitOdsek(s);
        break;
    case Slovo::Row:
        if (s.ciel == Ciel::Text) {
            vyprazdnit();
            // the tab that ended the last cell
            if (!odsek_.behy.isEmpty() && odsek_.behy.last().text.endsWith(u'\t')) {
                odsek_.behy.last().text.chop(1);
                if (odsek_.behy.last().text.isEmpty())
                    odsek_.behy.removeLast();
            }
            odsek_.riadokTabulky = true;
            for (int x : std::as_const(cellx_))
                odsek_.bunky << x - trleft_;
            ukoncitOdsek(s);
            s.vTabulke = false; // the next row marks its cells again
        }
        break;
    case Slovo::Line:
        znaky(QString(QChar::LineSeparator));
        break;
    case Slovo::Tab:
    case Slovo::Cell:
        znaky(QStringLiteral("\t"));
        break;
    case Slovo::Znak:
        znaky(QString(QChar(it->znak)));
        break;
    case Slovo::Uc:
        s.uc = std::max(cislo, 0);
        break;
    case Slovo::U:
        znaky(QString(QChar(static_cast<char16_t>(cislo < 0 ? cislo + 65536 : cislo))));
        preskocitZnakov_ = s.uc;
        break;
    default:
        break;
    }
}

int Citac::kodovaStranka() {
    if (stav().ciel == Ciel::Fonty) {
        if (fontStranka_ > 0)
            return fontStranka_;
        const int z = kodovaStrankaZnakovejSady(fontSada_);
        return z ? z : ansi_;
    }
    const auto it = fonty_.constFind(stav().font);
    if (it != fonty_.constEnd() && it->kodovaStranka)
        return it->kodovaStranka;
    return ansi_;
}

void Citac::bajt(char c) {
    Stav& s = stav();
    switch (s.ciel) {
    case Ciel::Text:
        if (!s.skryte)
            bajty_ += c;
        break;
    case Ciel::Fonty:
        if (c == ';')
            ulozitFont();
        else
            fontMeno_ += c;
        break;
    case Ciel::Farby:
        if (c == ';')
            ulozitFarbu();
        break;
    case Ciel::PoleInst:
        if (poleInst_.size() < 4096)
            poleInst_ += c;
        break;
    default:
        break;
    }
}

void Citac::znaky(const QString& text) {
    vyprazdnit();
    const Stav& s = stav();
    if (s.ciel != Ciel::Text || s.skryte || text.isEmpty())
        return;
    // A paragraph holds no paragraph or line ends of its own: they become line breaks.
    QString t;
    t.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator)
            t += QChar::LineSeparator;
        else if ((c.unicode() >= 0x20 || c == u'\t') && c != QChar::ObjectReplacementCharacter)
            t += c; // an object's place holder without its object is no text (and is not written)
    }
    if (t.isEmpty())
        return;
    const QTextCharFormat f = format(s);
    if (!odsek_.behy.isEmpty() && odsek_.behy.last().format == f)
        odsek_.behy.last().text += t;
    else
        odsek_.behy.append({t, f});
}

void Citac::vyprazdnit() {
    if (bajty_.isEmpty())
        return;
    const QByteArray b = bajty_;
    bajty_.clear();
    znaky(dekodovat(b, kodovaStranka()));
}

QTextCharFormat Citac::format(const Stav& s) const {
    if (poslednePismo_ && *poslednePismo_ == pismo(s))
        return poslednyFormat_;
    QTextCharFormat f;
    const auto font = fonty_.constFind(s.font);
    if (font != fonty_.constEnd() && !font->meno.isEmpty())
        f.setFontFamilies({font->meno});
    f.setFontPointSize(s.velkost / 2.0);
    if (s.tucne)
        f.setFontWeight(QFont::Bold);
    if (s.kurziva)
        f.setFontItalic(true);
    if (s.podciarknute)
        f.setFontUnderline(true);
    if (s.preciarknute)
        f.setFontStrikeOut(true);
    if (s.farba > 0 && s.farba < farby_.size() && farby_[s.farba].isValid())
        f.setForeground(farby_[s.farba]);
    if (!s.odkaz.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(s.odkaz);
    }
    poslednePismo_ = pismo(s);
    poslednyFormat_ = f;
    return f;
}

void Citac::ukoncitOdsek(const Stav& s) {
    vyprazdnit();
    odsek_.zarovnanie = s.zarovnanie;
    odsek_.znacka = format(s);
    odsek_.zlomPred = s.zlomPred || std::exchange(zlomDalsieho_, false);
    odsek_.tabulatory = s.tabulatory;
    DruhZoznamu druh = s.zoznam;
    int id = 0;
    if (s.ls != 0) {
        // A list of the list table: bullets when its first level shows a bullet (23),
        // none when it shows nothing (255), numbers otherwise.
        const int nfc = nfcZoznamu_.value(lsNaList_.value(s.ls, -1), 23);
        druh = nfc == 23 ? DruhZoznamu::Odrazky
                         : (nfc == 255 ? DruhZoznamu::Ziadny : DruhZoznamu::Cisla);
        id = s.ls;
    }
    odsek_.zoznam = druh;
    odsek_.ls = id;
    if (druh != DruhZoznamu::Ziadny) {
        // Consecutive paragraphs of one kind and one list form one list.
        const bool pokracuje =
            !odseky.isEmpty() && odseky.last().zoznam == druh && odseky.last().ls == id;
        odsek_.idZoznamu = pokracuje ? odseky.last().idZoznamu : ++idZoznamu_;
    }
    odseky.append(odsek_);
    odsek_ = Odsek();
    ++pocetOdsekov_;
}

void Citac::ulozitFont() {
    if (fontCislo_ < 0)
        return;
    QString meno = fontMenoText_ + dekodovat(fontMeno_, kodovaStranka());
    Font f;
    f.meno = meno.trimmed();
    f.kodovaStranka = fontStranka_ > 0 ? fontStranka_ : kodovaStrankaZnakovejSady(fontSada_);
    if (!fonty_.contains(fontCislo_) || !f.meno.isEmpty())
        fonty_.insert(fontCislo_, f);
    fontMeno_.clear();
    fontMenoText_.clear();
    fontCislo_ = -1;
}

void Citac::ulozitFarbu() {
    if (cervena_ < 0 && zelena_ < 0 && modra_ < 0)
        farby_.append(QColor()); // the automatic colour
    else
        farby_.append(QColor(std::max(cervena_, 0), std::max(zelena_, 0), std::max(modra_, 0)));
    cervena_ = zelena_ = modra_ = -1;
}

// ---- writing ----

QString rodina(const QTextCharFormat& f, const QTextDocument& doc) {
    const QStringList r = f.fontFamilies().toStringList();
    if (!r.isEmpty() && !r.constFirst().isEmpty())
        return r.constFirst();
    return doc.defaultFont().family();
}

int polBodov(const QTextCharFormat& f, const QTextDocument& doc) {
    qreal body = 0;
    if (f.hasProperty(QTextFormat::FontPointSize))
        body = f.fontPointSize();
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        body = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else if (doc.defaultFont().pointSizeF() > 0)
        body = doc.defaultFont().pointSizeF();
    else
        body = doc.defaultFont().pixelSize() * 0.75;
    return std::clamp(static_cast<int>(body * 2 + 0.5), 2, 3276);
}

bool tucne(const QTextCharFormat& f, const QTextDocument& doc) {
    return f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium
                                                  : doc.defaultFont().bold();
}

bool kurziva(const QTextCharFormat& f, const QTextDocument& doc) {
    return f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : doc.defaultFont().italic();
}

void text(QByteArray& out, QStringView t) {
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            // control characters and embedded objects are not written
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += "\\u";
            out += QByteArray::number(u > 0x7FFF ? static_cast<int>(u) - 65536 : u);
            const unsigned char b = doWindows1250(c);
            if (b) {
                out += "\\'";
                out += QByteArray::number(b, 16).rightJustified(2, '0');
            } else {
                out += '?';
            }
        }
    }
}

} // namespace

QChar zWindows1250(unsigned char byte) {
    return byte < 0x80 ? QChar(byte) : QChar(Windows1250[byte - 0x80]);
}

unsigned char doWindows1250(QChar c) {
    static const QHash<char16_t, unsigned char> bajty = [] {
        QHash<char16_t, unsigned char> h;
        for (int b = 0x80; b < 0x100; ++b)
            if (Windows1250[b - 0x80] != b || b >= 0xA0)
                h.insert(Windows1250[b - 0x80], static_cast<unsigned char>(b));
        return h;
    }();
    if (c.unicode() < 0x80)
        return static_cast<unsigned char>(c.unicode());
    return bajty.value(c.unicode(), 0);
}

bool jeRtf(const QByteArray& data) {
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 byte order mark
    while (i < data.size() &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

QString Vynechane::text() const {
    QStringList t;
    auto pridat = [&t](int pocet, const char* co) {
        if (pocet > 0)
            t << QString::fromUtf8(co) + QStringLiteral(": ") + QString::number(pocet);
    };
    pridat(obrazky, "obrázky");
    pridat(objekty, "vložené objekty");
    pridat(hlavicky, "hlavičky a päty");
    pridat(poznamky, "poznámky pod čiarou");
    pridat(komentare, "komentáre");
    pridat(tabulky, "tabuľky bez orámovania (bunky zarovnané tabulátormi)");
    return t.join(QStringLiteral(", "));
}

namespace {

// Twips to the document's pixels: the screen's resolution, 96 dpi without a screen.
double pixely(int twipy) {
    const QScreen* obrazovka = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                   ? QGuiApplication::primaryScreen()
                                   : nullptr;
    const double dpi = obrazovka ? obrazovka->logicalDotsPerInchX() : 96.0;
    return twipy / 1440.0 * dpi;
}

int twipy(double pixely) {
    const QScreen* obrazovka = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                   ? QGuiApplication::primaryScreen()
                                   : nullptr;
    const double dpi = obrazovka ? obrazovka->logicalDotsPerInchX() : 96.0;
    return static_cast<int>(std::lround(pixely * 1440.0 / dpi));
}

// The tab stops of the rows of each table: a column starts where its cell starts in the
// word processor, or further right when a cell of the column before is wider.
int zarovnatTabulky(QList<Odsek>& odseky, const QFont& pismo, QList<QList<double>>& tabulatory) {
    tabulatory.resize(odseky.size());
    int tabuliek = 0;
    const bool pisma = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    constexpr double medzera = 12.0; // pixels between the widest text and the next column
    for (qsizetype i = 0; i < odseky.size();) {
        if (!odseky[i].riadokTabulky) {
            ++i;
            continue;
        }
        qsizetype koniec = i;
        while (koniec < odseky.size() && odseky[koniec].riadokTabulky)
            ++koniec;
        QList<double> sirky; // the widest text of each column
        QList<double> zaciatky{0.0};
        for (qsizetype r = i; r < koniec; ++r) {
            const Odsek& o = odseky[r];
            qsizetype stlpec = 0;
            double sirka = 0;
            auto ukoncitBunku = [&] {
                if (sirky.size() <= stlpec)
                    sirky.resize(stlpec + 1, 0.0);
                sirky[stlpec] = std::max(sirky[stlpec], sirka);
                sirka = 0;
            };
            for (const Beh& b : o.behy) {
                const QStringList casti = b.text.split(u'\t');
                for (qsizetype k = 0; k < casti.size(); ++k) {
                    if (k > 0) {
                        ukoncitBunku();
                        ++stlpec;
                    }
                    if (pisma)
                        sirka += QFontMetricsF(b.format.font().resolve(pismo))
                                     .horizontalAdvance(casti[k]);
                }
            }
            ukoncitBunku();
            for (qsizetype k = 0; k + 1 < o.bunky.size(); ++k) {
                if (zaciatky.size() <= k + 1)
                    zaciatky.resize(k + 2, 0.0);
                zaciatky[k + 1] = std::max(zaciatky[k + 1], pixely(o.bunky[k]));
            }
        }
        if (zaciatky.size() < sirky.size())
            zaciatky.resize(sirky.size(), 0.0);
        for (qsizetype k = 1; k < zaciatky.size(); ++k)
            zaciatky[k] = std::max(zaciatky[k], zaciatky[k - 1] + sirky.value(k - 1) + medzera);
        for (qsizetype r = i; r < koniec; ++r) {
            tabulatory[r] = zaciatky.mid(1);
            // a centred or right-aligned cell would move its row off the stops
            odseky[r].zarovnanie = Qt::AlignLeft;
        }
        ++tabuliek;
        i = koniec;
    }
    return tabuliek;
}

} // namespace

Chyba citat(const QByteArray& data, QTextDocument& doc, bool zachranit, Vynechane* vynechane) {
    Citac c(data, zachranit);
    const Chyba chyba = c.citat();
    if (chyba == Chyba::NieJeRtf || (chyba == Chyba::Poskodene && !zachranit))
        return chyba;
    QList<QList<double>> tabulatory;
    const int tabuliek = zarovnatTabulky(c.odseky, doc.defaultFont(), tabulatory);
    if (vynechane) {
        *vynechane = c.vynechane;
        vynechane->tabulky = tabuliek;
    }

    doc.clear();
    QTextCursor kurzor(&doc);
    kurzor.beginEditBlock();
    QTextList* zoznam = nullptr;
    int idZoznamu = -1;
    bool prvy = true;
    for (qsizetype i = 0; i < c.odseky.size(); ++i) {
        const Odsek& o = c.odseky[i];
        QTextBlockFormat blok;
        blok.setAlignment(o.zarovnanie);
        if (o.zlomPred)
            blok.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QList<QTextOption::Tab> taby;
        for (int t : o.tabulatory)
            taby << QTextOption::Tab(pixely(t), QTextOption::LeftTab);
        for (double t : std::as_const(tabulatory[i]))
            taby << QTextOption::Tab(t, QTextOption::LeftTab);
        if (!taby.isEmpty())
            blok.setTabPositions(taby);
        if (prvy) {
            kurzor.setBlockFormat(blok);
            kurzor.setBlockCharFormat(o.znacka);
            prvy = false;
        } else {
            kurzor.insertBlock(blok, o.znacka);
        }
        if (o.zoznam == DruhZoznamu::Ziadny) {
            zoznam = nullptr;
        } else if (zoznam && idZoznamu == o.idZoznamu) {
            zoznam->add(kurzor.block());
        } else {
            QTextListFormat lf;
            lf.setStyle(o.zoznam == DruhZoznamu::Odrazky ? QTextListFormat::ListDisc
                                                         : QTextListFormat::ListDecimal);
            zoznam = kurzor.createList(lf);
            idZoznamu = o.idZoznamu;
        }
        for (const Beh& b : o.behy)
            kurzor.insertText(b.text, b.format);
    }
    kurzor.endEditBlock();
    doc.setModified(false);
    return chyba;
}

QByteArray zapisat(const QTextDocument& doc) {
    // The fonts and colours the text uses, in order of first use; font 0 is the default.
    QStringList fonty{doc.defaultFont().family()};
    QList<QColor> farby;
    bool odrazky = false;
    auto zapamatat = [&](const QTextCharFormat& f) {
        const QString r = rodina(f, doc);
        if (!fonty.contains(r))
            fonty << r;
        if (f.foreground().style() != Qt::NoBrush) {
            const QColor c = f.foreground().color().toRgb();
            if (!farby.contains(c))
                farby << c;
        }
    };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        zapamatat(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            zapamatat(it.fragment().charFormat());
        if (b.textList())
            odrazky = true;
    }
    const int symbol = static_cast<int>(fonty.size());

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n{\\fonttbl";
    for (int i = 0; i < fonty.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset238 ";
        text(out, QString(fonty[i]).remove(u';'));
        out += ";}";
    }
    if (odrazky)
        out += "{\\f" + QByteArray::number(symbol) + "\\fnil\\fcharset2 Symbol;}";
    out += "}\r\n{\\colortbl ;";
    for (const QColor& c : std::as_const(farby))
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
               "\\blue" + QByteArray::number(c.blue()) + ';';
    out += "}\r\n";

    auto vlastnosti = [&](const QTextCharFormat& f) {
        QByteArray v = "\\f" + QByteArray::number(fonty.indexOf(rodina(f, doc))) + "\\fs" +
                       QByteArray::number(polBodov(f, doc));
        if (tucne(f, doc))
            v += "\\b";
        if (kurziva(f, doc))
            v += "\\i";
        if (f.fontUnderline())
            v += "\\ul";
        if (f.fontStrikeOut())
            v += "\\strike";
        if (f.foreground().style() != Qt::NoBrush)
            v += "\\cf" + QByteArray::number(farby.indexOf(f.foreground().color().toRgb()) + 1);
        return v;
    };

    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        out += "\\pard";
        if (QTextList* l = b.textList()) {
            const QTextListFormat::Style styl = l->format().style();
            if (styl == QTextListFormat::ListDisc || styl == QTextListFormat::ListCircle ||
                styl == QTextListFormat::ListSquare) {
                const QByteArray f = QByteArray::number(symbol);
                out += "{\\pntext\\f" + f + "\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + f +
                       "\\pnindent0{\\pntxtb\\'B7}}";
            } else {
                out += "{\\pntext\\f0 " + QByteArray::number(l->itemNumber(b) + 1) +
                       ".\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}";
            }
            out += "\\fi-360\\li360";
        }
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            out += "\\pagebb";
        for (const QTextOption::Tab& t : b.blockFormat().tabPositions())
            out += "\\tx" + QByteArray::number(std::max(1, twipy(t.position)));
        const Qt::Alignment a = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignJustify)
            out += "\\qj";
        else if (a & Qt::AlignHCenter)
            out += "\\qc";
        else if (a & (Qt::AlignRight | Qt::AlignTrailing))
            out += "\\qr";
        else
            out += "\\ql";
        bool prazdny = true;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QString odkaz = fr.charFormat().anchorHref();
            if (!odkaz.isEmpty()) {
                out += "{\\field{\\*\\fldinst HYPERLINK \"";
                text(out, QString(odkaz).replace(u'"', QStringLiteral("%22")));
                out += "\"}{\\fldrslt";
            }
            out += '{' + vlastnosti(fr.charFormat()) + ' ';
            text(out, fr.text());
            out += '}';
            if (!odkaz.isEmpty())
                out += "}}";
            prazdny = false;
        }
        // An empty paragraph keeps the look of its mark (an empty line in large type).
        if (prazdny)
            out += '{' + vlastnosti(b.charFormat()) + "\\par}\r\n";
        else
            out += "\\par\r\n";
    }
    out += '}';
    return out;
}

std::optional<QString> textSuboru(const QByteArray& data) {
    QString t;
    if (data.startsWith("\xEF\xBB\xBF")) {
        t = QString::fromUtf8(data.mid(3));
    } else if (data.startsWith("\xFF\xFE")) {
        t = QStringDecoder(QStringDecoder::Utf16LE).decode(data.mid(2));
    } else if (data.startsWith("\xFE\xFF")) {
        t = QStringDecoder(QStringDecoder::Utf16BE).decode(data.mid(2));
    } else {
        if (data.contains('\0'))
            return std::nullopt;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        t = utf8.decode(data);
        if (utf8.hasError())
            t = dekodovat(data, 1250);
    }
    if (t.contains(QChar(0)))
        return std::nullopt;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

} // namespace saldovia::rtf
