#include "Doklad2.h"

#include "Polozkadokladu.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "store/Values.h"
#include "ui/DatumovePole.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace saldovia {

using namespace ovladace;

namespace {

// The longest values of the identity numbers, in the widest digits.
const QString NajdlhsieICO = QString(8, u'0');
const QString NajdlhsieDIC = QString(10, u'0');
const QString NajdlhsieICDPH = QStringLiteral("SK") + QString(10, u'0');

// A sum of the summary, wide enough for the largest amount in bold (the totals' face).
QLabel* suma(const QString& meno) {
    auto* l = new QLabel(QStringLiteral("0,00"));
    l->setObjectName(meno);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont tucne = l->font();
    tucne.setBold(true);
    l->setMinimumWidth(QFontMetrics(tucne).horizontalAdvance(najsirsiaSuma()) + 2);
    return l;
}

QDateEdit* datum(const QString& meno) {
    auto* d = new TDatumovePole;
    d->setObjectName(meno);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setCalendarPopup(true);
    d->setFixedWidth(96);
    return d;
}

QWidget* zalozka(const QString& meno) {
    auto* w = new QWidget;
    w->setObjectName(meno);
    return w;
}

QComboBox* zoznam(const QString& meno, const QStringList& polozky) {
    auto* cb = new QComboBox;
    cb->setObjectName(meno);
    cb->setEditable(true);
    cb->addItems(polozky);
    cb->setCurrentIndex(-1);
    cb->lineEdit()->setMaxLength(50);
    cb->setInsertPolicy(QComboBox::NoInsert);
    return cb;
}

// The lines joined to their base and VAT postings in the scratch tables.
const QString Spojenie = QStringLiteral(
    " FROM UctovnyDennikPomocny INNER JOIN (DokladyPolozkyPomocne LEFT JOIN UctovnyDennikPomocny "
    "AS UctovnyDennikPomocny_1 ON UctovnyDennikPomocny_1.Riadok=DokladyPolozkyPomocne.RiadokDPH) "
    "ON UctovnyDennikPomocny.Riadok=DokladyPolozkyPomocne.Riadok");
const QString DphRiadku = QStringLiteral(
    "CASE WHEN UctovnyDennikPomocny_1.Suma IS NULL THEN '0,00' ELSE UctovnyDennikPomocny_1.Suma "
    "END");

} // namespace

TfrmDoklad2::TfrmDoklad2(Kontext& k, const QString& kod)
    : TEditorDokladu(k, QStringLiteral("TfrmDoklad2"), kod, true) {
    // Dates and names.
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    tsDatumy = zalozka(QStringLiteral("tsDatumy"));
    tsMena = zalozka(QStringLiteral("tsMena"));
    dtpDatum->setFixedWidth(96);
    dtpDatum2 = datum(QStringLiteral("dtpDatum2"));
    dtpDatum3 = datum(QStringLiteral("dtpDatum3"));
    auto* datumy = new QGridLayout(tsDatumy);
    datumy->setContentsMargins(6, 4, 6, 4);
    datumy->setVerticalSpacing(3);
    datumy->addWidget(new QLabel(QStringLiteral("vystavenia:")), 0, 0);
    datumy->addWidget(dtpDatum, 0, 1);
    // the longest caption wraps onto two lines rather than being cut off
    auto* vznik = new QLabel(QStringLiteral("vzniku daňovej povinnosti:"));
    vznik->setWordWrap(true);
    datumy->addWidget(vznik, 1, 0);
    datumy->addWidget(dtpDatum2, 1, 1);
    datumy->addWidget(new QLabel(QStringLiteral("splatnosti:")), 2, 0);
    datumy->addWidget(dtpDatum3, 2, 1);
    edtSchvalil = pole(QStringLiteral("edtSchvalil"), 50);
    edtPrijal = pole(QStringLiteral("edtPrijal"), 50);
    for (QLineEdit* e : {edtVystavil, edtSchvalil, edtPrijal})
        celyTextVTipe(e);
    auto* mena = new QGridLayout(tsMena);
    mena->setContentsMargins(6, 4, 6, 4);
    mena->setVerticalSpacing(3);
    mena->addWidget(new QLabel(QStringLiteral("Vystavil (a):")), 0, 0);
    mena->addWidget(edtVystavil, 0, 1);
    mena->addWidget(new QLabel(QStringLiteral("Schválil (a):")), 1, 0);
    mena->addWidget(edtSchvalil, 1, 1);
    mena->addWidget(new QLabel(QStringLiteral("Prijal (a):")), 2, 0);
    mena->addWidget(edtPrijal, 2, 1);
    PageControl1->addTab(tsDatumy, QStringLiteral("Dátumy"));
    PageControl1->addTab(tsMena, QStringLiteral("Mená"));

    // The partner, the company's own identity and its contacts.
    PageControl = new QTabWidget;
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsOdberatel = zalozka(QStringLiteral("tsOdberatel"));
    tsDodavatel = zalozka(QStringLiteral("tsDodavatel"));
    tsKontaktneUdaje = zalozka(QStringLiteral("tsKontaktneUdaje"));
    edtNazovFirmy = pole(QStringLiteral("edtNazovFirmy"), 50);
    edtSidloUlica = pole(QStringLiteral("edtSidloUlica"), 50);
    edtSidloPSC = pole(QStringLiteral("edtSidloPSC"), 5);
    edtSidloPSC->setFixedWidth(56);
    edtSidloMesto = pole(QStringLiteral("edtSidloMesto"), 50);
    edtSidloStat = pole(QStringLiteral("edtSidloStat"), 50);
    edtICO = pole(QStringLiteral("edtICO"), 8);
    edtDIC = pole(QStringLiteral("edtDIC"), 10);
    edtICDPH = pole(QStringLiteral("edtICDPH"), 12);
    auto* partner = new QGridLayout(tsOdberatel);
    partner->setContentsMargins(6, 4, 6, 4);
    partner->setVerticalSpacing(3);
    partner->addWidget(new QLabel(QStringLiteral("Názov firmy:")), 0, 0);
    partner->addWidget(edtNazovFirmy, 0, 1);
    partner->addWidget(new QLabel(QStringLiteral("Sídlo:")), 1, 0);
    partner->addWidget(edtSidloUlica, 1, 1);
    auto* mesto = new QHBoxLayout;
    mesto->addWidget(edtSidloPSC);
    mesto->addWidget(edtSidloMesto, 1);
    partner->addLayout(mesto, 2, 1);
    partner->addWidget(edtSidloStat, 3, 1);
    // The numbers as wide as their longest values: IČO and DIČ on one row, IČ DPH below.
    edtICO->setFixedWidth(sirkaPreText(edtICO, NajdlhsieICO));
    edtDIC->setFixedWidth(sirkaPreText(edtDIC, NajdlhsieDIC));
    edtICDPH->setFixedWidth(sirkaPreText(edtICDPH, NajdlhsieICDPH));
    auto* cisla = new QHBoxLayout;
    cisla->addWidget(edtICO);
    cisla->addSpacing(8);
    cisla->addWidget(new QLabel(QStringLiteral("DIČ:")));
    cisla->addWidget(edtDIC);
    cisla->addStretch();
    partner->addWidget(new QLabel(QStringLiteral("IČO:")), 4, 0);
    partner->addLayout(cisla, 4, 1);
    partner->addWidget(new QLabel(QStringLiteral("IČ DPH:")), 5, 0);
    partner->addWidget(edtICDPH, 5, 1, Qt::AlignLeft);
    for (QLineEdit* e : {edtNazovFirmy, edtSidloUlica, edtSidloMesto, edtSidloStat})
        celyTextVTipe(e);

    imgLogo->setFixedSize(84, 52);
    // The identity on the left, the logo and "Nastaviť" on the right.
    auto* adresa = new QHBoxLayout;
    adresa->setSpacing(6);
    adresa->addWidget(lblSidloPSC);
    adresa->addWidget(lblSidloMesto);
    adresa->addStretch();
    // The numbers never shorten: IČO and DIČ on one row, IČ DPH below.
    auto najdlhsie = [](QLabel* l, const QString& text) {
        QFont tucne = l->font(); // the values are bold by their style sheet
        tucne.setBold(true);
        l->setMinimumWidth(QFontMetrics(tucne).horizontalAdvance(text) + 2);
    };
    najdlhsie(lblSidloPSC, QString(5, u'0')); // a long town is shortened, not the code
    najdlhsie(lblICO, NajdlhsieICO);
    najdlhsie(lblDIC, NajdlhsieDIC);
    najdlhsie(lblICDPH, NajdlhsieICDPH);
    auto* cislaFirmy = new QGridLayout;
    cislaFirmy->setHorizontalSpacing(4);
    cislaFirmy->setVerticalSpacing(2);
    cislaFirmy->addWidget(new QLabel(QStringLiteral("IČO:")), 0, 0);
    cislaFirmy->addWidget(lblICO, 0, 1);
    cislaFirmy->addWidget(new QLabel(QStringLiteral("DIČ:")), 0, 3);
    cislaFirmy->addWidget(lblDIC, 0, 4);
    cislaFirmy->addWidget(new QLabel(QStringLiteral("IČ DPH:")), 1, 0);
    cislaFirmy->addWidget(lblICDPH, 1, 1, 1, 4);
    cislaFirmy->setColumnMinimumWidth(2, 10); // keeps IČO and DIČ apart
    cislaFirmy->setColumnStretch(5, 1);
    auto* identita = new QVBoxLayout;
    identita->setSpacing(2);
    identita->addWidget(lblNazovFirmy);
    identita->addWidget(lblSidloUlica);
    identita->addLayout(adresa);
    identita->addWidget(lblSidloStat);
    auto* logoStlpec = new QVBoxLayout;
    logoStlpec->addWidget(imgLogo, 0, Qt::AlignCenter);
    logoStlpec->addStretch();
    logoStlpec->addWidget(btnNastavit, 0, Qt::AlignRight);
    auto* hornaCast = new QHBoxLayout;
    hornaCast->addLayout(identita, 1);
    hornaCast->addLayout(logoStlpec);
    auto* vlastna = new QVBoxLayout(tsDodavatel);
    vlastna->setContentsMargins(6, 4, 6, 4);
    vlastna->setSpacing(2);
    vlastna->addLayout(hornaCast);
    vlastna->addLayout(cislaFirmy);

    lblTelefon = hodnota(QStringLiteral("lblTelefon"));
    lblFax = hodnota(QStringLiteral("lblFax"));
    lblMobil = hodnota(QStringLiteral("lblMobil"));
    lblEmail = hodnota(QStringLiteral("lblEmail"));
    lblWeb = hodnota(QStringLiteral("lblWeb"));
    lblUcet = hodnota(QStringLiteral("lblUcet"));
    lblIBAN = hodnota(QStringLiteral("lblIBAN"));
    lblSWIFT = hodnota(QStringLiteral("lblSWIFT"));
    stitkyIdentity_ << lblTelefon << lblFax << lblMobil << lblEmail << lblWeb << lblUcet << lblIBAN
                    << lblSWIFT;
    // Telephones and the short bank data in two columns, the long ones across the tab; the
    // numbers are as wide as their longest values.
    // A telephone number holds 13 characters: a "+" and digits at their widest.
    const QString najdlhsiTelefon = u'+' + QString(12, u'0');
    najdlhsie(lblTelefon, najdlhsiTelefon);
    najdlhsie(lblFax, najdlhsiTelefon);
    najdlhsie(lblMobil, najdlhsiTelefon);
    najdlhsie(lblUcet, QString(15, u'0'));
    najdlhsie(lblSWIFT, QStringLiteral("WWWWWWWW"));
    najdlhsie(lblIBAN, QStringLiteral("SK") + QString(22, u'0'));
    auto* kontakty = new QGridLayout(tsKontaktneUdaje);
    kontakty->setContentsMargins(6, 4, 6, 4);
    kontakty->setVerticalSpacing(2);
    kontakty->setHorizontalSpacing(6);
    auto riadok = [kontakty](int r, int c, const char* popis, QLabel* hodnota, int sirka = 1) {
        kontakty->addWidget(new QLabel(QString::fromUtf8(popis)), r, c);
        kontakty->addWidget(hodnota, r, c + 1, 1, sirka);
    };
    // Column 2 keeps the two columns apart.
    riadok(0, 0, "Telefón:", lblTelefon);
    riadok(0, 3, "Fax:", lblFax);
    riadok(1, 0, "Mobil:", lblMobil);
    riadok(2, 0, "E-mail:", lblEmail, 4);
    riadok(3, 0, "Web:", lblWeb, 4);
    riadok(4, 0, "Účet:", lblUcet);
    riadok(4, 3, "SWIFT:", lblSWIFT);
    riadok(5, 0, "IBAN:", lblIBAN, 4);
    kontakty->setColumnMinimumWidth(2, 4); // room for the "+" of the telephones
    kontakty->setColumnStretch(1, 1);
    kontakty->setColumnStretch(4, 1);
    kontakty->setRowStretch(6, 1);

    PageControl->addTab(tsOdberatel, QStringLiteral("Odberateľ"));
    PageControl->addTab(tsDodavatel, QStringLiteral("Dodávateľ"));
    PageControl->addTab(tsKontaktneUdaje, QStringLiteral("Kontaktné údaje"));

    cbSposobPlatby = zoznam(
        QStringLiteral("cbSposobPlatby"),
        {QStringLiteral("prevodom"), QStringLiteral("v hotovosti"), QStringLiteral("zálohou")});
    cbSposobDopravy = zoznam(QStringLiteral("cbSposobDopravy"),
                             {QStringLiteral("dodávateľom"), QStringLiteral("odberateľom"),
                              QStringLiteral("poštou"), QStringLiteral("prepravnou službou")});

    // Lines and their summary.
    PageControl2 = new QTabWidget;
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    tsPolozky = zalozka(QStringLiteral("tsPolozky"));
    tsSumar = zalozka(QStringLiteral("tsSumar"));
    auto* polozky = new QVBoxLayout(tsPolozky);
    polozky->setContentsMargins(2, 2, 2, 2);
    polozky->addWidget(DBGrid);
    lblSadzbaDPHNulova = new QLabel(QStringLiteral("0%"));
    lblSadzbaDPHNulova->setObjectName(QStringLiteral("lblSadzbaDPHNulova"));
    lblSadzbaDPHZakladna = new QLabel(QStringLiteral("19%"));
    lblSadzbaDPHZakladna->setObjectName(QStringLiteral("lblSadzbaDPHZakladna"));
    lblZakladNulova = suma(QStringLiteral("lblZakladNulova"));
    lblDPHNulova = suma(QStringLiteral("lblDPHNulova"));
    lblSpoluNulova = suma(QStringLiteral("lblSpoluNulova"));
    lblZakladZakladna = suma(QStringLiteral("lblZakladZakladna"));
    lblDPHZakladna = suma(QStringLiteral("lblDPHZakladna"));
    lblSpoluZakladna = suma(QStringLiteral("lblSpoluZakladna"));
    lblSpoluZaklad = suma(QStringLiteral("lblSpoluZaklad"));
    lblSpoluDPH = suma(QStringLiteral("lblSpoluDPH"));
    lblSpoluUplne = suma(QStringLiteral("lblSpoluUplne"));
    for (QLabel* l : {lblZakladZakladna, lblDPHZakladna, lblSpoluZakladna})
        l->setStyleSheet(QStringLiteral("text-decoration: underline;"));
    for (QLabel* l : {lblSpoluZaklad, lblSpoluDPH, lblSpoluUplne})
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* sumar = sumarLayout_ = new QGridLayout(tsSumar);
    // Narrow margins: three sums of the largest amount in bold fill the tab's width.
    sumar->setContentsMargins(8, 6, 8, 6);
    sumar->setHorizontalSpacing(8);
    sumar->setVerticalSpacing(3);
    const char* hlavy[] = {"Sadzba DPH:", "Základ:", "DPH:", "Spolu:"};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QString::fromUtf8(hlavy[i]));
        l->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                               : Qt::AlignRight | Qt::AlignVCenter);
        sumar->addWidget(l, 0, i);
    }
    sumar->addWidget(lblSadzbaDPHNulova, 1, 0);
    sumar->addWidget(lblZakladNulova, 1, 1);
    sumar->addWidget(lblDPHNulova, 1, 2);
    sumar->addWidget(lblSpoluNulova, 1, 3);
    sumar->addWidget(lblSadzbaDPHZakladna, 2, 0);
    sumar->addWidget(lblZakladZakladna, 2, 1);
    sumar->addWidget(lblDPHZakladna, 2, 2);
    sumar->addWidget(lblSpoluZakladna, 2, 3);
    sumar->addWidget(lblSpoluZaklad, 3, 1);
    sumar->addWidget(lblSpoluDPH, 3, 2);
    sumar->addWidget(lblSpoluUplne, 3, 3);
    sumar->setColumnStretch(4, 1);
    sumar->setRowStretch(100, 1); // below every rate a document may have
    PageControl2->addTab(tsPolozky, QStringLiteral("Položky"));
    PageControl2->addTab(tsSumar, QStringLiteral("Sumár"));

    pripojit(PageControl2, &QTabWidget::currentChanged, [this] { PageControl2Change(); });
    pripojit(dtpDatum, &QDateEdit::dateChanged, [this] { dtpDatumChange(); });

    // Layout: number and dates on the left, the parties on the right; description and
    // terms; the lines; the commands.
    auto* cislo = new QHBoxLayout;
    cislo->addWidget(new QLabel(QStringLiteral("Číslo dokladu:")));
    cislo->addWidget(edtCisloDokladu);
    cislo->addStretch();
    auto* vlavo = new QVBoxLayout;
    vlavo->setSpacing(4);
    vlavo->addLayout(cislo);
    vlavo->addWidget(PageControl1, 1);
    auto* hore = new QHBoxLayout;
    hore->setSpacing(8);
    hore->addLayout(vlavo);
    hore->addWidget(PageControl, 1);
    PageControl1->setFixedWidth(262);
    // The description has its row to itself; payment and delivery stand beside the tabs of
    // the lines.
    auto* popis = new QHBoxLayout;
    popis->setSpacing(6);
    popis->addWidget(new QLabel(QStringLiteral("Popis:")));
    popis->addWidget(edtPopis, 1);
    celyTextVTipe(edtPopis);
    auto* podmienky = new QWidget;
    auto* podmienkyLayout = new QHBoxLayout(podmienky);
    podmienkyLayout->setContentsMargins(0, 0, 0, 2);
    podmienkyLayout->setSpacing(6);
    podmienkyLayout->addWidget(new QLabel(QStringLiteral("Spôsob platby:")));
    podmienkyLayout->addWidget(cbSposobPlatby);
    cbSposobPlatby->setFixedWidth(120);
    podmienkyLayout->addSpacing(8);
    podmienkyLayout->addWidget(new QLabel(QStringLiteral("Spôsob dopravy:")));
    podmienkyLayout->addWidget(cbSposobDopravy);
    cbSposobDopravy->setFixedWidth(140);
    PageControl2->setCornerWidget(podmienky, Qt::TopRightCorner);
    auto* tlacidla = new QHBoxLayout;
    tlacidla->setSpacing(6);
    for (QPushButton* b : {btnPridat, btnUpravit, btnOdstranit})
        tlacidla->addWidget(b);
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);
    tlacidla->addWidget(btnZrusit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(hore);
    layout->addLayout(popis);
    layout->addWidget(PageControl2, 1);
    layout->addLayout(tlacidla);

    setTabOrder(btnZrusit, edtCisloDokladu);
    setTabOrder(edtCisloDokladu, PageControl1);
    setTabOrder(PageControl1, PageControl);
    setTabOrder(PageControl, edtPopis);
    setTabOrder(edtPopis, cbSposobPlatby);
    setTabOrder(cbSposobPlatby, cbSposobDopravy);
    setTabOrder(cbSposobDopravy, PageControl2);
    setTabOrder(PageControl2, btnPridat);
    setTabOrder(btnPridat, btnUpravit);
    setTabOrder(btnUpravit, btnOdstranit);
    setTabOrder(btnOdstranit, btnUlozit);

    FormCreate({dtpDatum, dtpDatum2, dtpDatum3});
    // Within the accounting year: the picker holds the last day at most.
    if (const auto dnes = dateFromText(kontext.pracovnyDatum()))
        dtpDatum3->setDate(dnes->addDays(14));
    if (const DruhDokladu* d = druhDokladu(kod_); d && d->prijaty) {
        PageControl->setTabText(PageControl->indexOf(tsDodavatel), QStringLiteral("Odberateľ"));
        PageControl->setTabText(PageControl->indexOf(tsOdberatel), QStringLiteral("Dodávateľ"));
    }
}

void TfrmDoklad2::nacitatDoklad(const GeneralQuery& q) {
    const std::pair<const char*, QDateEdit*> datumy[] = {{"Datum2", dtpDatum2},
                                                         {"Datum3", dtpDatum3}};
    for (const auto& [stlpec, d] : datumy)
        if (const auto hodnota = dateFromText(q.text(QLatin1String(stlpec))))
            d->setDate(*hodnota);
    for (QLineEdit* e : {edtPopis, edtVystavil, edtSchvalil, edtPrijal})
        e->setText(q.text(e->objectName().mid(3)));
    for (QLineEdit* e : {edtNazovFirmy, edtSidloUlica, edtSidloPSC, edtSidloMesto, edtSidloStat,
                         edtICO, edtDIC, edtICDPH})
        e->setText(q.text(e->objectName().mid(3) + QLatin1Char('2')));
    cbSposobPlatby->setEditText(q.text(QStringLiteral("SposobPlatby")));
    cbSposobDopravy->setEditText(q.text(QStringLiteral("SposobDopravy")));
}

void TfrmDoklad2::NastavitZoznam() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    q.close();
    q.setSQL(
        QStringLiteral(
            "SELECT DokladyPolozkyPomocne.Cislo AS Cislo, DokladyPolozkyPomocne.Popis AS Popis, "
            "UctovnyDennikPomocny.Suma AS Zaklad, %1 AS DPH, "
            "DokladyPolozkyPomocne.Cena AS Spolu%2 ORDER BY "
            "DokladyPolozkyPomocne.Cislo;")
            .arg(DphRiadku, Spojenie));
    q.open();
    const Qt::Alignment vpravo = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment vlavo = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment stred = Qt::AlignHCenter | Qt::AlignVCenter;
    DBGrid->nastavitStlpce({
        {QStringLiteral("Cislo"), QStringLiteral("Číslo"), stred, 30, stred},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), vlavo, 326, vlavo},
        {QStringLiteral("Zaklad"), QStringLiteral("Základ"), vpravo, 61, stred},
        {QStringLiteral("DPH"), QStringLiteral("DPH"), vpravo, 61, stred},
        {QStringLiteral("Spolu"), QStringLiteral("Spolu"), vpravo, 61, stred},
    });

    sumar_ = sumardph::rozpracovaneho(kontext.store());
    zobrazitSumar();
    NastavitTlacidla();
}

void TfrmDoklad2::zobrazitSumar() {
    const QList<sumardph::Riadok>& riadky = sumar_.riadky;
    // The first two rows have their own labels; further rates get a row each, made once.
    QList<std::array<QLabel*, 4>> stitky{
        {lblSadzbaDPHNulova, lblZakladNulova, lblDPHNulova, lblSpoluNulova},
        {lblSadzbaDPHZakladna, lblZakladZakladna, lblDPHZakladna, lblSpoluZakladna}};
    stitky << dalsieSadzby;
    auto umiestnit = [this](QLabel* l, int riadok, int stlpec) {
        const int i = sumarLayout_->indexOf(l);
        if (i >= 0) {
            int r = 0, c = 0, rs = 0, cs = 0;
            sumarLayout_->getItemPosition(i, &r, &c, &rs, &cs);
            if (r == riadok && c == stlpec)
                return;
            sumarLayout_->removeWidget(l);
        }
        sumarLayout_->addWidget(l, riadok, stlpec);
    };
    while (stitky.size() < riadky.size()) {
        const QString n = QString::number(stitky.size() + 1);
        std::array<QLabel*, 4> r{new QLabel, suma(QStringLiteral("lblZaklad") + n),
                                 suma(QStringLiteral("lblDPH") + n),
                                 suma(QStringLiteral("lblSpolu") + n)};
        r[0]->setObjectName(QStringLiteral("lblSadzbaDPH") + n);
        dalsieSadzby << r;
        stitky << r;
    }
    for (qsizetype i = 0; i < stitky.size(); ++i) {
        const bool zobrazit = i < riadky.size();
        for (int c = 0; c < 4; ++c) {
            QLabel* l = stitky[i][c];
            // rows not in use wait hidden below the totals
            umiestnit(l, static_cast<int>(i) + (zobrazit ? 1 : 50), c);
            l->setVisible(zobrazit);
            // The last rate is underlined: the totals below add the rows up.
            if (c > 0)
                l->setStyleSheet(zobrazit && i == riadky.size() - 1
                                     ? QStringLiteral("text-decoration: underline;")
                                     : QString());
        }
        if (zobrazit) {
            const sumardph::Riadok& r = riadky[i];
            stitky[i][0]->setText(r.sadzba);
            stitky[i][1]->setText(r.zaklad.toText());
            stitky[i][2]->setText(r.dph.toText());
            stitky[i][3]->setText(r.spolu.toText());
        }
    }
    const int spolu = static_cast<int>(riadky.size()) + 1;
    umiestnit(lblSpoluZaklad, spolu, 1);
    umiestnit(lblSpoluDPH, spolu, 2);
    umiestnit(lblSpoluUplne, spolu, 3);
    lblSpoluZaklad->setText(sumar_.zaklad.toText());
    lblSpoluDPH->setText(sumar_.dph.toText());
    lblSpoluUplne->setText(sumar_.spolu.toText());
}

void TfrmDoklad2::NastavitTlacidla() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    prazdny_ = !q.isOpen() || q.text(QStringLiteral("Cislo")).isEmpty();
    const bool upravit = !prazdny_ && PageControl2->currentWidget() != tsSumar;
    btnUpravit->setEnabled(upravit);
    pmItmUpravit->setEnabled(upravit);
    btnOdstranit->setEnabled(upravit);
    pmItmOdstranit->setEnabled(upravit);
    PopupMenu->setDefaultAction(upravit ? pmItmUpravit : pmItmPridat);
}

void TfrmDoklad2::PageControl2Change() {
    NastavitTlacidla();
}

void TfrmDoklad2::DBGridDblClick() {
    if (btnUpravit->isEnabled())
        btnUpravitClick();
    else
        btnPridatClick();
}

void TfrmDoklad2::dtpDatumChange() {
    if (plnim_)
        return;
    kontext.SQL(QStringLiteral("UPDATE UctovnyDennikPomocny SET Datum = %1 WHERE Doklad = %2;")
                    .arg(sqlText(dateToText(dtpDatum->date())), sqlText(cislo_)));
}

void TfrmDoklad2::btnPridatClick() {
    const int r = (new TfrmPolozkaDokladu(kontext))
                      ->Otvorit(0, cislo_, dateToText(dtpDatum->date()), edtPopis->text());
    if (r == -1)
        return;
    oznacitZmenu();
    NastavitZoznam();
    DBGrid->vybrat(kontext.store().qryDokladyPolozky.recordCount());
}

void TfrmDoklad2::btnUpravitClick() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    const int pozicia = DBGrid->pozicia();
    const int r = (new TfrmPolozkaDokladu(kontext))
                      ->Otvorit(static_cast<int>(q.integer(QStringLiteral("Cislo"))), cislo_,
                                dateToText(dtpDatum->date()), edtPopis->text());
    if (r == -1)
        return;
    oznacitZmenu();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad2::btnOdstranitClick() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    upravy::odstranitPolozkuFaktury(kontext.store(), q.integer(QStringLiteral("Cislo")));
    oznacitZmenu();
    const int pozicia = DBGrid->pozicia();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad2::doplnitHlavicku(RelaciaDokladu::Hlavicka& h) const {
    const QStringList& identita = IdentitaFirmy::stlpce();
    for (QLineEdit* e : {edtVystavil, edtSchvalil, edtPrijal})
        h.pridat(e->objectName().mid(3), e->text());
    for (const QString& stlpec : identita.mid(8, 8)) // Telefon … SWIFT
        h.pridat(stlpec, identita_.hodnota(stlpec));
    // The partner's identity, typed in the editor: NazovFirmy2 … ICDPH2.
    for (QLineEdit* e : {edtNazovFirmy, edtSidloUlica, edtSidloPSC, edtSidloMesto, edtSidloStat,
                         edtICO, edtDIC, edtICDPH})
        h.pridat(e->objectName().mid(3) + QLatin1Char('2'), e->text());
    h.pridat(QStringLiteral("Datum2"), dateToText(dtpDatum2->date()));
    h.pridat(QStringLiteral("Datum3"), dateToText(dtpDatum3->date()));
    h.pridat(QStringLiteral("SposobPlatby"), cbSposobPlatby->currentText());
    h.pridat(QStringLiteral("SposobDopravy"), cbSposobDopravy->currentText());
    h.pridat(QStringLiteral("Zaklad"), sumar_.zaklad.toText());
    h.pridat(QStringLiteral("DPH"), sumar_.dph.toText());
    h.pridat(QStringLiteral("Spolu"), sumar_.spolu.toText());
}

} // namespace saldovia
