#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "notes/Nahradit.h"
#include "notes/Poznamky.h"
#include "notes/Rtf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

using namespace saldovia;

namespace {

const QString Nenaslo =
    QStringLiteral("Požadovaný text sa nenašiel!\nChcete vykonať nové hľadanie?");
const QString NovyText =
    QStringLiteral("Celý existujúci text bude odstránený!\nChcete ho najskôr zálohovať do súboru?");

QString ulozenePoznamky(TfrmHlavny& h) {
    h.SQL(QStringLiteral("SELECT Poznamky FROM AgendaNastavenie;"));
    return h.ADOQuery().text(QStringLiteral("Poznamky"));
}

// One line per paragraph: its alignment (L, C, R, J), "• " for a bulleted and "# " for a
// numbered paragraph, then its text.
QStringList odseky(const QTextDocument& doc) {
    QStringList r;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment();
        QString riadok = (a & Qt::AlignJustify)   ? QStringLiteral("J|")
                         : (a & Qt::AlignHCenter) ? QStringLiteral("C|")
                         : (a & Qt::AlignRight)   ? QStringLiteral("R|")
                                                  : QStringLiteral("L|");
        if (const QTextList* l = b.textList())
            riadok += l->format().style() == QTextListFormat::ListDisc ? QStringLiteral("• ")
                                                                       : QStringLiteral("# ");
        r << riadok + b.text();
    }
    return r;
}

// The look of a piece of text as the reader and the writer see it.
QString vzhlad(const QTextCharFormat& f, const QTextDocument& doc) {
    const QStringList rodiny = f.fontFamilies().toStringList();
    const qreal velkost = f.hasProperty(QTextFormat::FontPointSize)
                              ? f.fontPointSize()
                              : doc.defaultFont().pointSizeF();
    return QStringLiteral("%1%2%3%4 %5 %6 %7")
        .arg(f.fontWeight() > QFont::Medium ? QStringLiteral("b") : QString(),
             f.fontItalic() ? QStringLiteral("i") : QString(),
             f.fontUnderline() ? QStringLiteral("u") : QString(),
             f.fontStrikeOut() ? QStringLiteral("s") : QString(),
             rodiny.isEmpty() ? doc.defaultFont().family() : rodiny.constFirst())
        .arg(velkost)
        .arg(f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                   : f.foreground().color().name());
}

// Every run of text with its look, paragraph by paragraph.
QStringList behy(const QTextDocument& doc) {
    QStringList r;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        r << QStringLiteral("¶ ") + vzhlad(b.charFormat(), doc);
        for (auto it = b.begin(); !it.atEnd(); ++it)
            r << it.fragment().text() + QStringLiteral(" | ") +
                     vzhlad(it.fragment().charFormat(), doc);
    }
    return r;
}

// The look of the first occurrence of a text.
QString vzhladTextu(const QTextDocument& doc, const QString& text) {
    const QTextCursor c = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    if (c.isNull())
        return QStringLiteral("(nenájdené)");
    QTextCursor z(const_cast<QTextDocument*>(&doc));
    z.setPosition(c.selectionStart() + 1);
    return vzhlad(z.charFormat(), doc);
}

// Types text as keystrokes, Slovak letters included.
void napisat(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent stlacit(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &stlacit);
        QKeyEvent pustit(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pustit);
    }
}

void vybrat(QTextEdit* e, int od, int po) {
    QTextCursor c = e->textCursor();
    c.setPosition(od);
    c.setPosition(po, QTextCursor::KeepAnchor);
    e->setTextCursor(c);
}

// A document written by another word processor (WordPad) in Slovak.
const char* const WordPad =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\nouicompat\\deflang1051{\\fonttbl{\\f0\\fnil\\fcharset238 "
    "Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs32\\lang27 Fakt\\'fara \\'e8. 1\\b0\\par\r\n"
    "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-"
    "360\\li720"
    "\\sa200\\sl276\\slmult1\\cf1\\fs22 \\'9alabik\\'e1r\\cf0\\par\r\n"
    "{\\pntext\\f1\\'B7\\tab}\\cf2 \\u945?-tabu\\'beka\\cf0\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qr\\i Pe\\'e8iatka\\i0\\par\r\n"
    "}\r\n";

// A document of a large word processor: font table with panose, style sheet, list tables,
// theme data, information, hidden text, fields, pictures with binary data, \upr.
const char* const Word =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31506\\deflang1051"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New "
    "Roman;}\r\n{\\f3\\fbidi \\froman\\fcharset2\\fprq2{\\*\\panose "
    "05050102010706020507}Symbol;}\r\n"
    "{\\f39\\fbidi \\fswiss\\fcharset238\\fprq2 Calibri CE;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\r\n"
    "{\\*\\defchp \\f31506\\fs22 }\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\widctlpar\\f39\\fs22 \\snext0 Normal;}{\\*\\cs10 "
    "\\additive \\ssemihidden Default Paragraph Font;}}\r\n"
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23\\levelnfcn23\\leveljc0"
    "\\levelstartat1{\\leveltext\\leveltemplateid67698689\\'01\\u-3913 ?;}{\\levelnumbers;}\\f3"
    "\\fi-360\\li720}{\\listlevel\\levelnfc0{\\leveltext\\'02\\'01.;}{\\levelnumbers\\'01;}}"
    "\\listid100}\r\n{\\list\\listtemplateid2{\\listlevel\\levelnfc0\\levelnfcn0{\\leveltext\\'"
    "02\\'00.;}"
    "{\\levelnumbers\\'01;}\\fi-360\\li720}\\listid200}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid100\\listoverridecount0\\ls1}{\\listoverride"
    "\\listid200\\listoverridecount0\\ls2}}\r\n"
    "{\\info{\\title N\\'e1zov}{\\author "
    "U\\'e8ite\\'beka}{\\creatim\\yr2024\\mo3\\dy5\\hr8\\min15}}\r\n"
    "{\\*\\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74}\r\n"
    "{\\*\\datastore 0105000002000000}\r\n"
    "\\paperw11906\\paperh16838\\margl1417\\margr1417\r\n"
    "\\pard\\plain \\ltrpar\\qj \\li0\\ri0\\sa160\\f39\\fs22\\lang1051 {\\rtlch\\fcs1 \\af0 \\ltrch"
    "\\fcs0 Zmluva o \\'fa\\'e8te }{\\b\\cf2 d\\'f4le\\'9eit\\'e9}{\\v skryt\\'fd text}{\\rquote}"
    "{\\emdash}{ a\\~b}\\par\r\n"
    "\\pard\\plain \\ltrpar\\ql \\fi-360\\li720\\ls1\\f39\\fs22 {\\listtext\\pard\\plain "
    "\\f3\\fs22 "
    "\\'b7\\tab}Prv\\'fd bod\\par\r\n"
    "{\\listtext\\pard\\plain \\f3\\fs22 \\'b7\\tab}Druh\\'fd bod\\par\r\n"
    "\\pard\\plain \\ql \\fi-360\\li720\\ls2\\f39\\fs22 {\\listtext\\pard\\plain "
    "1.\\tab}\\u268\\'c8"
    "\\u237\\'edslo\\par\r\n"
    "\\pard\\plain \\ql \\f39\\fs22 {\\field{\\*\\fldinst {HYPERLINK \"http://example.sk/\" }}"
    "{\\fldrslt {\\ul\\cf2 odkaz}}} a obr\\'e1zok {\\*\\shppict{\\pict\\pngblip\\picw10\\pich10 "
    "89504e47}}{\\nonshppict{\\pict\\wmetafile8 0100}}{\\pict\\macpict\\bin4 {}\\}}za\\line\\tab "
    "koniec\\par\r\n"
    "\\pard\\plain \\ql {\\uc2\\u8364\\'80\\'80 cena}{\\upr{\\'80}{\\*\\ud{\\u8364?}}}\\par\r\n"
    "}";

// A document of an office suite with a default font, character styles and strike-out.
const char* const OfficeSuite =
    "{\\rtf1\\ansi\\deff4\\adeflang1025\r\n"
    "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f4\\fswiss\\fprq2\\fcharset238 "
    "Liberation Sans;}{\\f5\\fnil\\fprq2\\fcharset0 Noto Sans CJK SC;}}{\\colortbl;\\red0\\green0"
    "\\blue0;\\red0\\green0\\blue255;\\red128\\green128\\blue128;}\r\n"
    "{\\stylesheet{\\s0\\snext0\\hich\\af5\\dbch\\af5\\loch\\f4\\fs24 Predvolen\\'fd;}}"
    "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}{\\info{\\creatim\\yr2024\\mo3\\dy5\\hr10"
    "\\min4}}\\deftab709\r\n\\viewscale100\r\n"
    "{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\pgdscnxt0 Predvolen\\'fd "
    "\\'9at\\'fdl strany;}}\r\n"
    "\\formshade\\paperh16838\\paperw11906\\sectd\\sbknone\\pgndec{\\*\\ftnsep\\chftnsep}\\pgndec"
    "\\pard\\plain \\s0\\hich\\af5\\dbch\\af5\\loch\\f4\\fs24\\qc{\\cf2\\i\\fs28\\loch Modr\\'e1 "
    "kurz\\'edva}{\\loch  a }{\\strike\\cf3\\loch pre\\'e8iarknut\\'e9}\r\n"
    "\\par \\pard\\plain \\s0\\loch\\f4\\fs24\\ql{\\ul\\ulc0\\loch Pod\\'e8iarknut\\'e9}\\par }";

} // namespace

class TestPoznamky : public TestOkien {
    Q_OBJECT

    std::unique_ptr<TfrmHlavny> spustit(const QString& sql = {}) {
        return spustitHlavne(
            *agenda, QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', NazovFirmy = "
                                    "'Škola';") +
                         sql);
    }

    // The notes window as the menu shows it, but without blocking the test.
    static TfrmPoznamky* okno(TfrmHlavny& h) { return ukazat<TfrmPoznamky>(h); }

    // A window holding the given text, caret at the start.
    static TfrmPoznamky* oknoSTextom(TfrmHlavny& h, const QString& text) {
        TfrmPoznamky* w = okno(h);
        w->RichEdit->setPlainText(text);
        w->RichEdit->moveCursor(QTextCursor::Start);
        return w;
    }

private slots:

    // ---- the RTF reader and writer ----

    void roundTripKeepsSlovakTextAndFormatting() {
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
        QTextCursor c(&doc);
        QTextCharFormat nadpis;
        nadpis.setFontWeight(QFont::Bold);
        nadpis.setFontFamilies({QStringLiteral("Liberation Serif")});
        nadpis.setFontPointSize(16);
        nadpis.setForeground(QColor(200, 0, 0));
        QTextBlockFormat stred;
        stred.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(stred);
        c.insertText(QStringLiteral("Zadanie: Účtovníctvo O'Brien – ľščťžýáíé ÄÔŇ"), nadpis);
        QTextBlockFormat vlavo;
        vlavo.setAlignment(Qt::AlignLeft);
        c.insertBlock(vlavo, QTextCharFormat());
        QTextCharFormat kurziva;
        kurziva.setFontItalic(true);
        QTextCharFormat podciarknute;
        podciarknute.setFontUnderline(true);
        podciarknute.setFontPointSize(9);
        QTextCharFormat preciarknute;
        preciarknute.setFontStrikeOut(true);
        preciarknute.setForeground(QColor(0, 0, 255));
        c.insertText(QStringLiteral("Zaúčtujte "), QTextCharFormat());
        c.insertText(QStringLiteral("kurzívou"), kurziva);
        c.insertText(QStringLiteral(" a "), QTextCharFormat());
        c.insertText(QStringLiteral("podčiarknuté"), podciarknute);
        c.insertText(QStringLiteral(" {zátvorky} \\ a\ttab"), preciarknute);
        c.insertBlock(vlavo, QTextCharFormat());
        QTextListFormat odrazky;
        odrazky.setStyle(QTextListFormat::ListDisc);
        c.createList(odrazky);
        c.insertText(QStringLiteral("Prvá položka"));
        c.insertBlock();
        c.insertText(QStringLiteral("Druhá položka"));
        QTextCharFormat velke;
        velke.setFontPointSize(20);
        c.insertBlock(vlavo, velke); // an empty line in large type, out of the list
        QTextBlockFormat vpravo;
        vpravo.setAlignment(Qt::AlignRight);
        c.insertBlock(vpravo, QTextCharFormat());
        c.insertText(QStringLiteral("1 250,50 € ") + QChar::LineSeparator + QStringLiteral("α😀"));

        const QByteArray rtf = rtf::zapisat(doc);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](char b) { return b > 0; }));
        // Slovak letters carry their Windows-1250 bytes for readers without \u.
        QVERIFY(rtf.contains("\\u218\\'da"));

        QTextDocument precitany;
        precitany.setDefaultFont(doc.defaultFont());
        QCOMPARE(rtf::citat(rtf, precitany), rtf::Chyba::Ziadna);
        QCOMPARE(odseky(precitany), odseky(doc));
        QCOMPARE(behy(precitany), behy(doc));
        QCOMPARE(odseky(precitany).at(2), QStringLiteral("L|• Prvá položka"));
        QCOMPARE(precitany.begin().next().next().textList(),
                 precitany.begin().next().next().next().textList());
        QCOMPARE(rtf::zapisat(precitany), rtf);

        // An empty document stays one empty paragraph.
        QTextDocument prazdny;
        QTextDocument znova;
        znova.setPlainText(QStringLiteral("niečo"));
        QCOMPARE(rtf::citat(rtf::zapisat(prazdny), znova), rtf::Chyba::Ziadna);
        QCOMPARE(znova.blockCount(), 1);
        QVERIFY(znova.isEmpty());
    }

    void readsWhatOtherProgramsWrite() {
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));

        QCOMPARE(rtf::citat(WordPad, doc), rtf::Chyba::Ziadna);
        QCOMPARE(odseky(doc),
                 (QStringList{QStringLiteral("C|Faktúra č. 1"), QStringLiteral("L|• šlabikár"),
                              QStringLiteral("L|• α-tabuľka"), QStringLiteral("R|Pečiatka")}));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Faktúra")), QStringLiteral("b Calibri 16 auto"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("šlabikár")),
                 QStringLiteral(" Calibri 11 #ff0000"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("tabuľka")),
                 QStringLiteral(" Calibri 11 #0000ff"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Pečiatka")), QStringLiteral("i Calibri 11 auto"));
        QCOMPARE(doc.begin().next().textList(), doc.begin().next().next().textList());

        QCOMPARE(rtf::citat(Word, doc), rtf::Chyba::Ziadna);
        QCOMPARE(odseky(doc),
                 (QStringList{QStringLiteral("J|Zmluva o účte dôležité’— a\u00A0b"),
                              QStringLiteral("L|• Prvý bod"), QStringLiteral("L|• Druhý bod"),
                              QStringLiteral("L|# Číslo"),
                              QStringLiteral("L|odkaz a obrázok za\u2028\tkoniec"),
                              QStringLiteral("L|€ cena€")}));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Zmluva")), QStringLiteral(" Calibri CE 11 auto"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("dôležité")),
                 QStringLiteral("b Calibri CE 11 #c00000"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("odkaz")),
                 QStringLiteral("u Calibri CE 11 #c00000"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("cena")),
                 QStringLiteral(" Times New Roman 12 auto"));

        QCOMPARE(rtf::citat(OfficeSuite, doc), rtf::Chyba::Ziadna);
        QCOMPARE(odseky(doc), (QStringList{QStringLiteral("C|Modrá kurzíva a prečiarknuté"),
                                           QStringLiteral("L|Podčiarknuté")}));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Modrá")),
                 QStringLiteral("i Liberation Sans 14 #0000ff"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral(" a ")),
                 QStringLiteral(" Liberation Sans 12 auto"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("prečiarknuté")),
                 QStringLiteral("s Liberation Sans 12 #808080"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Podčiarknuté")),
                 QStringLiteral("u Liberation Sans 12 auto"));
    }

    void readsTheSmallPrint_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("texty");
        QTest::newRow("no tables") << QByteArray("{\\rtf1 Hello {\\b world}\\par second}")
                                   << QStringList{"Hello world", "second"};
        QTest::newRow("escaped newline")
            << QByteArray("{\\rtf1\\ansi Ahoj\\\r\n sveta}") << QStringList{"Ahoj", " sveta"};
        QTest::newRow("empty paragraphs")
            << QByteArray("{\\rtf1 a\\par\\par\\par}") << QStringList{"a", "", ""};
        QTest::newRow("literal braces")
            << QByteArray("{\\rtf1 \\{x\\} \\\\ y}") << QStringList{"{x} \\ y"};
        QTest::newRow("no fallback")
            << QByteArray("{\\rtf1\\uc0\\u269\\u382}") << QStringList{"čž"};
        QTest::newRow("surrogate pair")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QStringList{QStringLiteral("😀")};
        QTest::newRow("fallback of an escape")
            << QByteArray("{\\rtf1\\uc1 \\u8364\\'80 ok}") << QStringList{"€ ok"};
        QTest::newRow("fallback ends with the group")
            << QByteArray("{\\rtf1\\uc2 {\\u8364 ?}x}") << QStringList{"€x"};
        QTest::newRow("unknown words and destinations")
            << QByteArray("{\\rtf1 a{\\*\\foo b{c}}d\\xyz123 e}") << QStringList{"ade"};
        QTest::newRow("binary data with braces")
            << QByteArray("{\\rtf1 x{\\pict\\bin3 }}}}y}") << QStringList{"xy"};
        QTest::newRow("font code page over the document's")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 A;}{\\f1\\fcharset238 B;}}"
                          "\\f0\\'9a {\\f1\\'9a}}")
            << QStringList{"š š"};
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF{\\rtf1 \\'e1}") << QStringList{"á"};
        QTest::newRow("object place holder") // found by fuzzing: read, but never written
            << QByteArray("{\\rtf1 a\\u65532?b\\u-4?c}") << QStringList{"abc"};
        QTest::newRow("text after the document")
            << QByteArrayLiteral("{\\rtf1 a}\r\n\0garbage") << QStringList{"a"};
    }
    void readsTheSmallPrint() {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, texty);
        QTextDocument doc;
        QCOMPARE(rtf::citat(rtf, doc), rtf::Chyba::Ziadna);
        QCOMPARE(doc.toPlainText().replace(QChar::LineSeparator, u'\n').split(u'\n'), texty);
    }

    void refusesWhatIsNotRichTextOrDamaged_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("chyba");
        const int nie = static_cast<int>(rtf::Chyba::NieJeRtf);
        const int poskodene = static_cast<int>(rtf::Chyba::Poskodene);
        QTest::newRow("empty") << QByteArray() << nie;
        QTest::newRow("plain text") << QByteArray("Dobrý deň") << nie;
        QTest::newRow("pdf") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n") << nie;
        QTest::newRow("html first") << QByteArray("<html>{\\rtf1 a}") << nie;
        QTest::newRow("other control word") << QByteArray("{\\rtx1 a}") << nie;
        QTest::newRow("cut short") << QByteArray("{\\rtf1 text") << poskodene;
        QTest::newRow("group open") << QByteArray("{\\rtf1 {\\b text}") << poskodene;
        QTest::newRow("bad escape") << QByteArray("{\\rtf1 a\\'zz b}") << poskodene;
        QTest::newRow("escape cut") << QByteArray("{\\rtf1 a\\'4") << poskodene;
        QTest::newRow("binary past the end")
            << QByteArray("{\\rtf1 {\\pict\\bin999 ab}}") << poskodene;
        QTest::newRow("lone backslash") << QByteArray("{\\rtf1 x\\") << poskodene;
        QTest::newRow("nested too deep")
            << QByteArray("{\\rtf1 ") + QByteArray(5000, '{') + QByteArray(5001, '}') << poskodene;
    }
    void refusesWhatIsNotRichTextOrDamaged() {
        QFETCH(QByteArray, data);
        QFETCH(int, chyba);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("Pôvodný text"));
        QCOMPARE(static_cast<int>(rtf::citat(data, doc)), chyba);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Pôvodný text"));
    }

    void salvagesWhatCanBeReadAndSurvivesMutations() {
        QTextDocument doc;
        QCOMPARE(rtf::citat("{\\rtf1 Zachr\\'e1nen\\'fd {\\b text", doc, true),
                 rtf::Chyba::Poskodene);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Zachránený text"));
        QCOMPARE(rtf::citat("bez hlavičky", doc, true), rtf::Chyba::NieJeRtf);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Zachránený text"));

        // Any cut or damaged copy of a real document is read or refused, never a crash.
        const QByteArray vzor(Word);
        for (qsizetype n = 0; n < vzor.size(); n += 7) {
            QTextDocument d;
            rtf::citat(vzor.left(n), d);
            rtf::citat(vzor.left(n), d, true);
        }
        QRandomGenerator nahoda(2006);
        for (int i = 0; i < 300; ++i) {
            QByteArray pokazeny = vzor;
            for (int k = 0; k < 4; ++k)
                pokazeny[nahoda.bounded(pokazeny.size())] = static_cast<char>(nahoda.bounded(256));
            QTextDocument d;
            rtf::citat(pokazeny, d, i % 2 == 0);
        }
    }

    void plainTextFiles_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("\xc3\x9a\xc4\x8d"
                                             "et \xc4\x8d. 221\r\nDruh\xc3\xbd")
                               << QStringLiteral("Účet č. 221\nDruhý");
        QTest::newRow("utf-8 mark")
            << QByteArray("\xef\xbb\xbf\xc5\xa1\xc3\xa1l") << QStringLiteral("šál");
        QTest::newRow("utf-16") << QByteArray("\xff\xfe\x0d\x01\x0a\x00", 6)
                                << QStringLiteral("č\n");
        QTest::newRow("windows-1250") << QByteArray("\xda\xe8"
                                                    "et \xe8. 221\r\x9e")
                                      << QStringLiteral("Účet č. 221\nž");
    }
    void plainTextFiles() {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        QCOMPARE(rtf::textSuboru(data), std::optional<QString>(text));
    }

    // ---- the window ----

    void emptyNotesOpenAnEmptyEditor() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = okno(*h);
        QCOMPARE(h->windowTitle(), QStringLiteral("Poznámky"));
        QVERIFY(w->RichEdit->document()->isEmpty());
        QVERIFY(w->btnUlozit->isEnabled());
        for (QToolButton* b : {w->btnNew, w->btnFind, w->btnCut, w->btnCopy})
            QVERIFY(!b->isEnabled());
        for (QAction* a : {w->pmHladat, w->pmVybratVsetko, w->pmKopirovat, w->pmOdstranit})
            QVERIFY(!a->isEnabled());
        QVERIFY(w->btnAlignLeft->isChecked());
        QVERIFY(w->pmVlavo->isChecked());
        QCOMPARE(w->cbFontSize->currentText(), QStringLiteral("12"));
        QCOMPARE(w->cbFontName->currentText(), w->RichEdit->document()->defaultFont().family());

        napisat(w->RichEdit, QStringLiteral("Úloha"));
        QVERIFY(w->btnNew->isEnabled());
        QVERIFY(w->btnFind->isEnabled());
        QVERIFY(w->pmHladat->isEnabled());
        QVERIFY(!w->btnCopy->isEnabled());
        vybrat(w->RichEdit, 0, 2);
        QVERIFY(w->btnCopy->isEnabled());
        QVERIFY(w->btnCut->isEnabled());
        QVERIFY(w->pmOdstranit->isEnabled());
        w->pmOdstranit->trigger();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("oha"));
    }

    void savedNotesReopenWithTheirFormatting() {
        auto h = spustit();
        // Opened from the menu, written, formatted and saved.
        naDalsieOkno([](QDialog* d) {
            auto* w = qobject_cast<TfrmPoznamky*>(d);
            napisat(w->RichEdit, QStringLiteral("Úloha pre O'Briena"));
            vybrat(w->RichEdit, 0, 5);
            w->btnBold->click();
            w->btnAlignCenter->click();
            w->RichEdit->moveCursor(QTextCursor::End);
            QTest::keyClick(w->RichEdit, Qt::Key_Return);
            w->btnAlignLeft->click();
            w->btnBullets->click();
            napisat(w->RichEdit, QStringLiteral("Zaúčtujte faktúru"));
            w->btnUlozit->click();
        });
        h->mmItmPoznamkyClick();
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        QVERIFY(ulozenePoznamky(*h).startsWith(QStringLiteral("{\\rtf1")));

        QPointer<TfrmPoznamky> w = okno(*h);
        const QTextDocument& doc = *w->RichEdit->document();
        QCOMPARE(odseky(doc), (QStringList{QStringLiteral("C|Úloha pre O'Briena"),
                                           QStringLiteral("L|• Zaúčtujte faktúru")}));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("Úloha")).left(1), QStringLiteral("b"));
        QCOMPARE(vzhladTextu(doc, QStringLiteral("pre")).left(1), QStringLiteral(" "));
        QVERIFY(w->btnAlignCenter->isChecked());
        QVERIFY(w->pmCentrovat->isChecked());
        QVERIFY(w->btnBold->isChecked());
        w->RichEdit->moveCursor(QTextCursor::End);
        QVERIFY(w->btnBullets->isChecked());
        QVERIFY(w->pmOdrazky->isChecked());
        QVERIFY(w->btnAlignLeft->isChecked());
        QVERIFY(!w->btnBold->isChecked());

        // Escape does not leave; "Zrušiť" leaves the agenda as it was.
        const QString ulozene = ulozenePoznamky(*h);
        napisat(w->RichEdit, QStringLiteral(" navyše"));
        QTest::keyClick(w->RichEdit, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        w->btnZrusit->click();
        QCOMPARE(ulozenePoznamky(*h), ulozene);
    }

    void notesKeptAsPlainTextOrDamaged() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET Poznamky = 'Len text, "
                                        "žiadne RTF';"));
        QPointer<TfrmPoznamky> w = okno(*h);
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Len text, žiadne RTF"));
        QVERIFY(dialogs->messages.isEmpty());

        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET Poznamky = '{\\rtf1 "
                                               "Zadanie \\u269\\''e8. 1 {\\b bez konca';"));
        h->tblAgendaNastavenie().open();
        QPointer<TfrmPoznamky> w2 = okno(*h);
        QCOMPARE(w2->RichEdit->toPlainText(), QStringLiteral("Zadanie č. 1 bez konca"));
        QCOMPARE(
            dialogs->texts(),
            QStringList{QStringLiteral(
                "Poznámky uložené v agende sú poškodené,\nzobrazená je len ich čitateľná časť.")});
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Warning);
    }

    void toolbarFollowsTheCaret() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("prvé druhé tretie"));
        QTextCharFormat f;
        f.setFontWeight(QFont::Bold);
        f.setFontPointSize(18);
        f.setFontFamilies({w->cbFontName->itemText(0)}); // the first entry of the list
        QTextCursor c(w->RichEdit->document());
        c.setPosition(5);
        c.setPosition(11, QTextCursor::KeepAnchor);
        c.mergeCharFormat(f);

        vybrat(w->RichEdit, 6, 11); // inside the bold word
        QVERIFY(w->btnBold->isChecked());
        QCOMPARE(w->cbFontSize->currentText(), QStringLiteral("18"));
        QCOMPARE(w->cbFontName->currentIndex(), 0);

        vybrat(w->RichEdit, 0, 11); // plain and bold: no common style, size or font
        QVERIFY(!w->btnBold->isChecked());
        QCOMPARE(w->cbFontSize->currentText(), QString());
        QCOMPARE(w->cbFontName->currentIndex(), -1);

        // A font the list does not hold shows no entry.
        vybrat(w->RichEdit, 12, 17);
        f = QTextCharFormat();
        f.setFontFamilies({QStringLiteral("Žiadne také písmo")});
        w->RichEdit->mergeCurrentCharFormat(f);
        w->RichEditChange();
        QCOMPARE(w->cbFontName->currentIndex(), -1);

        // Choosing from the lists formats the selection and returns to the editor.
        w->cbFontName->setCurrentIndex(1);
        emit w->cbFontName->activated(1);
        QCOMPARE(w->RichEdit->currentCharFormat().fontFamilies().toStringList(),
                 QStringList{w->cbFontName->itemText(1)});
        w->cbFontSize->setCurrentIndex(w->cbFontSize->findText(QStringLiteral("36")));
        emit w->cbFontSize->activated(w->cbFontSize->currentIndex());
        QCOMPARE(w->RichEdit->currentCharFormat().fontPointSize(), 36.0);
        QCOMPARE(w->cbFontSize->count(), 16);

        // Justified text from a file has no align button down.
        QTextBlockFormat bf;
        bf.setAlignment(Qt::AlignJustify);
        w->RichEdit->textCursor().mergeBlockFormat(bf);
        w->RichEditChange();
        for (QToolButton* b : {w->btnAlignLeft, w->btnAlignCenter, w->btnAlignRight})
            QVERIFY(!b->isChecked());
        w->pmVpravo->trigger();
        QVERIFY(w->btnAlignRight->isChecked());
        QCOMPARE(w->RichEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

        // Bullets on and off from the pop-up menu; the text does not move.
        w->pmOdrazky->trigger();
        QVERIFY(w->RichEdit->textCursor().currentList());
        QVERIFY(w->btnBullets->isChecked());
        w->pmOdrazky->trigger();
        QVERIFY(!w->RichEdit->textCursor().currentList());
        QCOMPARE(w->RichEdit->textCursor().blockFormat().indent(), 0);
        QVERIFY(!w->pmOdrazky->isChecked());
    }

    void fontAndColourDialogs() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Farebný nadpis"));
        vybrat(w->RichEdit, 0, 7);
        dialogs->colorAnswers = {QColor(0, 128, 0)};
        w->btnColor->click();
        QCOMPARE(w->RichEdit->currentCharFormat().foreground().color(), QColor(0, 128, 0));

        QFont pismo(QStringLiteral("Liberation Serif"), 20);
        pismo.setItalic(true);
        pismo.setStrikeOut(true);
        dialogs->fontAnswers = {ScriptedDialogs::FontChoice{pismo, QColor(Qt::red)}, std::nullopt};
        w->pmPismo->trigger();
        QCOMPARE(dialogs->fontPresets.last().color, QColor(0, 128, 0));
        QCOMPARE(dialogs->fontPresets.last().font.pointSize(), 12);
        const QString vyber = vzhladTextu(*w->RichEdit->document(), QStringLiteral("Farebný"));
        QCOMPARE(vyber, QStringLiteral("is Liberation Serif 20 #ff0000"));
        QCOMPARE(vzhladTextu(*w->RichEdit->document(), QStringLiteral("nadpis")).left(1),
                 QStringLiteral(" "));
        // Cancelled dialogs change nothing.
        w->pmPismo->trigger();
        w->btnColor->click();
        QCOMPARE(vzhladTextu(*w->RichEdit->document(), QStringLiteral("Farebný")), vyber);
    }

    void sizeBoxTyping() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("veľké písmo"));
        w->RichEdit->selectAll();
        QLineEdit* e = w->cbFontSize->lineEdit();
        e->selectAll();
        QTest::keyClicks(w->cbFontSize, QStringLiteral("2000"));
        QCOMPARE(e->text(), QStringLiteral("1638"));
        QCOMPARE(e->cursorPosition(), 4);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(w->cbFontSize, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("1"));
        QCOMPARE(e->cursorPosition(), 1);
        e->setCursorPosition(0);
        QTest::keyClicks(w->cbFontSize, QStringLiteral("0x-,"));
        QCOMPARE(e->text(), QStringLiteral("1"));
        e->setCursorPosition(1);
        QTest::keyClicks(w->cbFontSize, QStringLiteral("40"));
        QCOMPARE(e->text(), QStringLiteral("140"));
        QCOMPARE(w->RichEdit->currentCharFormat().fontPointSize(), 0.0); // not before Enter
        QTest::keyClick(w->cbFontSize, Qt::Key_Return);
        QCOMPARE(e->selectedText(), QStringLiteral("140"));
        QCOMPARE(
            vzhladTextu(*w->RichEdit->document(), QStringLiteral("písmo")).section(u' ', -2, -2),
            QStringLiteral("140"));
    }

    // ---- search and replace ----

    void findNextWrapsAroundOnce() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Alfa beta alfa gama alfabet"));
        TReplaceDialog* d = w->ReplaceDialog;
        w->RichEdit->moveCursor(QTextCursor::End);
        vybrat(w->RichEdit, 10, 14); // the second "alfa"
        w->btnFindClick();
        QVERIFY(d->isVisible());
        QCOMPARE(d->FindText(), QStringLiteral("alfa"));
        d->btnNajstDalej->click();
        QCOMPARE(w->RichEdit->textCursor().selectionStart(), 20); // in "alfabet"
        d->btnNajstDalej->click();
        QCOMPARE(w->RichEdit->textCursor().selectionStart(), 0); // from the beginning
        d->chbVelkePismena->setChecked(true);
        d->chbCeleSlova->setChecked(true);
        d->btnNajstDalej->click();
        QCOMPARE(w->RichEdit->textCursor().selectionStart(), 10);
        d->btnNajstDalej->click(); // the only whole, small "alfa": found again by wrapping
        QCOMPARE(w->RichEdit->textCursor().selectionStart(), 10);
        QVERIFY(dialogs->messages.isEmpty());

        // Not found in either part: asked once; Yes keeps the dialog, No closes it.
        d->edtHladat->setText(QStringLiteral("delta"));
        dialogs->answers = {QMessageBox::Yes};
        d->btnNajstDalej->click();
        QCOMPARE(dialogs->texts(), QStringList{Nenaslo});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Hľadanie"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QVERIFY(d->isVisible());
        QCOMPARE(w->RichEdit->textCursor().selectionStart(), 10);
        dialogs->answers = {QMessageBox::No};
        d->btnNajstDalej->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(w->poslednyHladanyText(), QStringLiteral("delta"));

        // Without a selection the dialog starts with the last search text.
        w->RichEdit->moveCursor(QTextCursor::Start);
        w->btnFindClick();
        QCOMPARE(d->FindText(), QStringLiteral("delta"));
    }

    // The dialog never hides the text it found, wherever that lies in the editor.
    void findDialogKeepsOffTheMatch() {
        auto h = spustit();
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.get()));
        QStringList riadky;
        for (int i = 0; i < 24; ++i)
            riadky << QString((i * 13) % 110, u' ') + QStringLiteral("cieľ");
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, riadky.join(u'\n'));
        QVERIFY(QTest::qWaitForWindowExposed(w.data()));
        TReplaceDialog* d = w->ReplaceDialog;
        w->btnFindClick();
        d->edtHladat->setText(QStringLiteral("cieľ"));
        QVERIFY(d->isVisible());
        QStringList zakryte;
        for (int i = 0; i < riadky.size(); ++i) {
            d->btnNajstDalej->click();
            QCOMPARE(w->RichEdit->textCursor().selectedText(), QStringLiteral("cieľ"));
            const QRect najdene = w->oblastVyberu();
            QVERIFY(najdene.isValid());
            if (d->frameGeometry().intersects(najdene))
                zakryte << QString::number(i);
            QVERIFY(d->screen()->availableGeometry().contains(d->frameGeometry()));
        }
        QVERIFY2(zakryte.isEmpty(), qPrintable(zakryte.join(u',')));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void replaceOneAndAll() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("mak, mak a mak"));
        TReplaceDialog* d = w->ReplaceDialog;
        w->btnFindClick();
        d->edtHladat->setText(QStringLiteral("mak"));
        d->edtNahradit->setText(QStringLiteral("mak mak"));
        vybrat(w->RichEdit, 5, 5);
        d->btnNahradit->click(); // from the caret on
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("mak, mak mak a mak"));
        QCOMPARE(w->RichEdit->textCursor().position(), 12);

        // A replacement that holds the search text is put in once: one pass, no question.
        w->RichEdit->setPlainText(QStringLiteral("mak, mak a mak"));
        d->btnNahraditVsetko->click();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("mak mak, mak mak a mak mak"));
        QCOMPARE(w->RichEdit->textCursor().position(), 26);
        QVERIFY(dialogs->messages.isEmpty());
        w->btnUndo->click(); // one step back
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("mak, mak a mak"));

        // Nothing to replace: the question, the text unchanged.
        d->edtHladat->setText(QStringLiteral("mlieko"));
        d->btnNahraditVsetko->click();
        d->btnNahradit->click();
        QCOMPARE(dialogs->texts(), (QStringList{Nenaslo, Nenaslo}));
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("mak, mak a mak"));
    }

    // ---- files and printing ----

    void backupAndLoadFiles() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Zadanie: ľščťžýáíé"));
        vybrat(w->RichEdit, 0, 7);
        w->btnItalic->click();
        const QString subor = agenda->file(QStringLiteral("Poznamky.rtf"));
        dialogs->files = {subor};
        w->btnSave->click();
        QCOMPARE(dialogs->fileCaptions, QStringList{QStringLiteral("Zálohovať do súboru")});
        QVERIFY(readFileBytes(subor).startsWith("{\\rtf1"));

        w->RichEdit->clear();
        dialogs->files = {subor};
        w->btnOpen->click();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Zadanie: ľščťžýáíé"));
        QCOMPARE(vzhladTextu(*w->RichEdit->document(), QStringLiteral("Zadanie")).left(1),
                 QStringLiteral("i"));
        QVERIFY(dialogs->messages.isEmpty());

        const QString txt = agenda->file(QStringLiteral("zadanie.txt"));
        writeFileBytes(txt, "Pr\xedklad \xe8. 1\r\n{\\rtf1 nie}");
        dialogs->files = {txt};
        w->btnOpen->click();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Príklad č. 1\n{\\rtf1 nie}"));
        QCOMPARE(ulozenePoznamky(*h), QString()); // nothing reaches the agenda
    }

    // A word processor's file (tests/data/zadanie-writer.rtf, LibreOffice Writer's RTF of
    // zadanie-writer.html): the table as a grid at aligned tab stops, the link and the page
    // break kept, also through saving; the picture named before anything is saved.
    void wordProcessorFile() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Napísaný text"));
        dialogs->messages.clear();
        dialogs->files = {QStringLiteral(TEST_DATA "/zadanie-writer.rtf")};
        w->btnOpen->click();
        QCOMPARE(dialogs->texts().size(), 1);
        QVERIFY2(dialogs->last().text.contains(
                     QStringLiteral("vynechané alebo zjednodušené:\nobrázky: 1, tabuľky bez "
                                    "orámovania (bunky zarovnané tabulátormi): 1.")),
                 qPrintable(dialogs->last().text));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Upozornenie"));

        for (const QTextDocument* doc : {static_cast<const QTextDocument*>(w->RichEdit->document()),
                                         static_cast<const QTextDocument*>(nullptr)}) {
            QTextDocument znova;
            if (!doc) { // saved and read again
                QCOMPARE(rtf::citat(rtf::zapisat(*w->RichEdit->document()), znova),
                         rtf::Chyba::Ziadna);
                doc = &znova;
            }
            QStringList riadky;
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                riadky << b.text();
            QCOMPARE(riadky.mid(0, 4), (QStringList{"Zadanie: Účtovanie zásob", "Účet\tNázov\tSuma",
                                                    "112\tMateriál na sklade\t1 250,00",
                                                    "321\tDodávatelia\t1 537,50"}));
            // every row at the same stops, each cell ending before the next column
            const QTextBlock hlavicka = doc->findBlockByNumber(1);
            const QList<QTextOption::Tab> taby = hlavicka.blockFormat().tabPositions();
            QCOMPARE(taby.size(), 2);
            for (int r = 1; r <= 3; ++r) {
                const QTextBlock b = doc->findBlockByNumber(r);
                QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
                const QList<QTextOption::Tab> t = b.blockFormat().tabPositions();
                QCOMPARE(t.size(), 2);
                const QFontMetricsF m(
                    b.begin().fragment().charFormat().font().resolve(doc->defaultFont()));
                const QStringList bunky = b.text().split(u'\t');
                double zaciatok = 0;
                for (int k = 0; k < 2; ++k) {
                    QVERIFY(std::abs(t[k].position - taby[k].position) < 1.0);
                    QVERIFY2(zaciatok + m.horizontalAdvance(bunky[k]) < t[k].position,
                             qPrintable(bunky[k]));
                    zaciatok = t[k].position;
                }
            }
            // the link's text links to its address
            QString odkaz, textOdkazu;
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (!it.fragment().charFormat().anchorHref().isEmpty()) {
                        odkaz = it.fragment().charFormat().anchorHref();
                        textOdkazu += it.fragment().text();
                    }
            QCOMPARE(odkaz, QStringLiteral("https://www.financnasprava.sk/"));
            QCOMPARE(textOdkazu, QStringLiteral("stránke finančnej správy"));
            const QTextBlock posledny =
                doc->lastBlock().text().isEmpty() ? doc->lastBlock().previous() : doc->lastBlock();
            QCOMPARE(posledny.text(), QStringLiteral("Druhá strana: koniec zadania."));
            QVERIFY(posledny.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
            QVERIFY(!(posledny.previous().blockFormat().pageBreakPolicy() &
                      QTextFormat::PageBreak_AlwaysBefore));
        }
        if (const QByteArray snimky = qgetenv("SALDOVIA_SNIMKY"); !snimky.isEmpty()) {
            w->show();
            QTest::qWait(200);
            w->grab().save(QString::fromLocal8Bit(snimky) + QStringLiteral("/poznamky-writer.png"));
        }
    }

    void badFilesChangeNothing_data() {
        QTest::addColumn<QString>("meno");
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("not rtf") << "obrazok.rtf" << QByteArray("\x89PNG\r\n\x1a\n", 8)
                                 << "nie je vo formáte RichText (RTF),\ntext zostáva bez zmeny.";
        QTest::newRow("damaged") << "zle.rtf" << QByteArray("{\\rtf1\\ansi Zadanie {\\b")
                                 << "je poškodený a nedá sa načítať,\ntext zostáva bez zmeny.";
        QTest::newRow("binary txt") << "data.txt" << QByteArray("ab\0cd", 5)
                                    << "nie je textový súbor,\ntext zostáva bez zmeny.";
        QTest::newRow("huge") << "velky.rtf" << QByteArray()
                              << "je príliš veľký (viac ako 16 MB),\ntext zostáva bez zmeny.";
        QTest::newRow("missing") << "" << QByteArray() << "sa nedá prečítať";
    }
    void badFilesChangeNothing() {
        QFETCH(QString, meno);
        QFETCH(QByteArray, obsah);
        QFETCH(QString, sprava);
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Napísaný text"));
        QString cesta = agenda->file(meno.isEmpty() ? QStringLiteral("nie.rtf") : meno);
        if (!meno.isEmpty()) {
            writeFileBytes(cesta, obsah);
            if (meno == QLatin1String("velky.rtf")) {
                QFile f(cesta);
                QVERIFY(f.resize(TfrmPoznamky::NajvacsiSubor + 1));
            }
        }
        dialogs->files = {cesta};
        w->btnOpen->click();
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY2(dialogs->last().text.contains(sprava), qPrintable(dialogs->last().text));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Napísaný text"));
        w->btnUndo->click(); // the editor's history is still its own
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Napísaný text"));
    }

    void perCentSignsInTextsAndFileNames() {
        auto h = spustit();
        // The notes keep the placeholders of QString::arg as typed.
        const QString text = QStringLiteral("Zľava 5%2 'test' %1 %L1 %% %");
        naDalsieOkno([&text](QDialog* d) {
            auto* w = qobject_cast<TfrmPoznamky*>(d);
            napisat(w->RichEdit, text);
            w->btnUlozit->click();
        });
        h->mmItmPoznamkyClick();
        QPointer<TfrmPoznamky> w = okno(*h);
        QCOMPARE(w->RichEdit->toPlainText(), text);
        // A message names the file as it is called.
        const QString cesta = agenda->file(QStringLiteral("velky %1 %L1.rtf"));
        writeFileBytes(cesta, QByteArray());
        QFile f(cesta);
        QVERIFY(f.resize(TfrmPoznamky::NajvacsiSubor + 1));
        dialogs->files = {cesta};
        w->btnOpen->click();
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY2(dialogs->last().text.startsWith(
                     QStringLiteral("Súbor ") + QDir::toNativeSeparators(cesta) +
                     QStringLiteral(" je príliš veľký (viac ako 16 MB)")),
                 qPrintable(dialogs->last().text));
        QCOMPARE(w->RichEdit->toPlainText(), text);
    }

    void aFileThatCannotBeWritten() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Text"));
        const QString priecinok = agenda->file(QStringLiteral("Poznamky.rtf"));
        QVERIFY(QDir().mkpath(priecinok)); // a folder where the file should go
        dialogs->files = {priecinok};
        QVERIFY(!w->btnSaveClick());
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->last().text.contains(QStringLiteral("sa nedá zapísať")));
        QVERIFY(dialogs->last().text.endsWith(QStringLiteral("Text nebol zálohovaný.")));
    }

    void newTextAsks() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Dôležitý text"));
        dialogs->answers = {QMessageBox::Cancel};
        w->btnNew->click();
        QCOMPARE(dialogs->last().text, NovyText);
        QCOMPARE(dialogs->last().caption, QStringLiteral("Nový text"));
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::Cancel);
        QCOMPARE(dialogs->last().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Dôležitý text"));

        // Yes, but the backup is not written: the text stays.
        dialogs->answers = {QMessageBox::Yes};
        w->btnNew->click();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Dôležitý text"));

        const QString subor = agenda->file(QStringLiteral("zaloha.rtf"));
        dialogs->answers = {QMessageBox::Yes};
        dialogs->files = {subor};
        w->btnNew->click();
        QVERIFY(QFile::exists(subor));
        QVERIFY(w->RichEdit->document()->isEmpty());
        QVERIFY(!w->btnNew->isEnabled());
        w->btnUndo->click();
        QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Dôležitý text"));

        w->RichEdit->selectAll();
        w->btnBullets->click();
        dialogs->answers = {QMessageBox::No};
        w->btnNew->click();
        QVERIFY(w->RichEdit->document()->isEmpty());
        QVERIFY(!w->RichEdit->textCursor().currentList()); // the empty text starts plain
    }

    void printing() {
        auto h = spustit();
        QPointer<TfrmPoznamky> w = oknoSTextom(*h, QStringLiteral("Zadanie na tlač"));
        const QString pdf = agenda->file(QStringLiteral("tlac.pdf"));
        h->tlaciaren().setOutputFormat(QPrinter::PdfFormat);
        h->tlaciaren().setOutputFileName(pdf);
        h->tlaciaren().setDocName(QStringLiteral("iné"));
        dialogs->printerAnswers = {false, true};
        w->btnPrint->click();
        QVERIFY(!QFile::exists(pdf));
        w->btnPrint->click();
        QVERIFY(readFileBytes(pdf).startsWith("%PDF"));
        QCOMPARE(h->tlaciaren().docName(), QString());
        QVERIFY(dialogs->messages.isEmpty());

        h->tlaciaren().setOutputFileName(agenda->file(QStringLiteral("chyba/tlac.pdf")));
        dialogs->printerAnswers = {true};
        w->btnPrint->click();
        QCOMPARE(dialogs->texts(),
                 QStringList{
                     QStringLiteral("Text sa nepodarilo vytlačiť,\ntlačiareň nie je dostupná.")});
    }

    // ---- exams ----

    void anExamShowsTheAssignmentAndKeepsIt() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '2:00:00', "
                                        "Poznamky = '{\\rtf1 Zadanie \\u269?. 1}';"));
        const QString zadanie = ulozenePoznamky(*h);
        naDalsieOkno([&](QDialog* d) {
            auto* w = qobject_cast<TfrmPoznamky*>(d);
            QCOMPARE(h->windowTitle(), QStringLiteral("Zadanie"));
            QCOMPARE(w->RichEdit->toPlainText(), QStringLiteral("Zadanie č. 1"));
            QVERIFY(!w->btnUlozit->isEnabled());
            napisat(w->RichEdit, QStringLiteral("Moje riešenie "));
            w->btnUlozitClick(); // refused however it is reached
            QVERIFY(w->isVisible());
            // Backing up to a file still works.
            dialogs->files = {agenda->file(QStringLiteral("zadanie.rtf"))};
            QVERIFY(w->btnSaveClick());
            w->btnZrusit->click();
        });
        h->ListView->setCurrentRow(0);
        h->ListViewDblClick();
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        QCOMPARE(ulozenePoznamky(*h), zadanie);
        QVERIFY(QFile::exists(agenda->file(QStringLiteral("zadanie.rtf"))));

        // A finished exam without its length (a damaged row) does not save either.
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '', "
                                               "SkuskaKoniec = '01.02.2006 10:00:00';"));
        h->tblAgendaNastavenie().open();
        QPointer<TfrmPoznamky> w = okno(*h);
        QVERIFY(!w->btnUlozit->isEnabled());
        QCOMPARE(h->windowTitle(), QStringLiteral("Poznámky"));
    }

    void theEndOfAnExamClosesTheNotesUnsaved() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '0:00:00';"));
        QPointer<TfrmPoznamky> otvorene;
        naDalsieOkno([&](QDialog* d) {
            otvorene = qobject_cast<TfrmPoznamky*>(d);
            napisat(otvorene->RichEdit, QStringLiteral("nedokončené"));
            h->TimerTimer();
        });
        h->mmItmPoznamkyClick();
        QVERIFY(otvorene.isNull());
        QCOMPARE(ulozenePoznamky(*h), QString());
        QVERIFY(!h->tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty());
    }
};

SALDOVIA_GUI_TEST_MAIN(TestPoznamky)
#include "test_poznamky.moc"
