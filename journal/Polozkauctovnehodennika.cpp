#include "Polozkauctovnehodennika.h"

#include "CiselnePole.h"
#include "UctovyVyber.h"
#include "edits/Upravy.h"
#include "store/Values.h"
#include "ui/CelyText.h"
#include "ui/DatumovePole.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Ovladace.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace saldovia {

using namespace ovladace;

namespace {

const QString Dennik = QStringLiteral("UctovnyDennik");
const QString Pomocny = QStringLiteral("UctovnyDennikPomocny");

// The table name is spliced into statements: only the journal and its scratch copy.
void overitTabulku(const QString& tabulka) {
    if (tabulka != Dennik && tabulka != Pomocny)
        throw DbError(QStringLiteral("Tabuľka '%1' nie je účtovný denník.").arg(tabulka));
}

} // namespace

qint64 najvyssiRiadok(Kontext& kontext, const QString& tabulka, const QString& doklad) {
    overitTabulku(tabulka);
    qint64 n = 0;
    kontext.SQL(QStringLiteral("SELECT MAX(Riadok) AS Riadok FROM %1;").arg(tabulka));
    if (!kontext.ADOQuery().text(QStringLiteral("Riadok")).isEmpty())
        n = kontext.ADOQuery().integer(QStringLiteral("Riadok"));
    // Lines without a document number (NULL) are the journal's free lines too.
    kontext.SQL(QStringLiteral("SELECT MAX(Riadok) AS Riadok FROM UctovnyDennik WHERE Doklad <> %1 "
                               "OR Doklad IS NULL;")
                    .arg(sqlText(doklad)));
    if (!kontext.ADOQuery().text(QStringLiteral("Riadok")).isEmpty())
        n = std::max(n, kontext.ADOQuery().integer(QStringLiteral("Riadok")));
    return n;
}

TfrmPolozkaUctovnehoDennika::TfrmPolozkaUctovnehoDennika(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmPolozkaUctovnehoDennika"),
                   QStringLiteral("Položka účtovného denníka"), 10) {
    polia = new TCiselnePolia(this);
    polia->poOdchode = [this] { vypocitatSumu(); };

    edtRiadok = pole(QStringLiteral("edtRiadok"));
    edtRiadok->setEnabled(false);
    edtRiadok->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtRiadok->setFixedWidth(64);
    dtpDatum = new TDatumovePole;
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpDatum->setCalendarPopup(true);
    dtpDatum->setFixedWidth(110);
    edtDoklad = pole(QStringLiteral("edtDoklad"), 50);
    edtDoklad->setEnabled(false);

    mmCiastka = new TCiselnePole(QStringLiteral("mmCiastka"), 2, *polia);
    // Amount fields hold the largest amount whole.
    mmCiastka->setFixedWidth(sirkaPreText(mmCiastka, najsirsiaSuma()));
    lblX = znak(QStringLiteral("X"), QStringLiteral("lblX"));
    edtMena = pole(QStringLiteral("edtMena"), 50);
    edtMena->setText(QStringLiteral("SKK"));
    edtMena->setFixedWidth(60);
    mmKurz = new TCiselnePole(QStringLiteral("mmKurz"), 3, *polia);
    mmKurz->setFixedWidth(80);
    lblRovnaSa = znak(QStringLiteral("="), QStringLiteral("lblRovnaSa"));
    mmSuma = pole(QStringLiteral("mmSuma"));
    mmSuma->setEnabled(false);
    mmSuma->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mmSuma->setFixedWidth(sirkaPreText(mmSuma, najsirsiaSuma()));
    lblSk = new QLabel(QStringLiteral("Sk"));
    lblSk->setObjectName(QStringLiteral("lblSk"));
    edtPopis = pole(QStringLiteral("edtPopis"), 50);

    // The account assignment: two narrow pickers in a frame; they widen over it while
    // their lists are open, so they are placed by hand rather than by a layout.
    bvlPredkontacia = new QFrame;
    bvlPredkontacia->setObjectName(QStringLiteral("bvlPredkontacia"));
    bvlPredkontacia->setFrameShape(QFrame::StyledPanel);
    bvlPredkontacia->setFrameShadow(QFrame::Sunken);
    bvlPredkontacia->setFixedHeight(62);
    lblPredkontacia = new QLabel(QStringLiteral("Predkontácia"));
    lblPredkontacia->setObjectName(QStringLiteral("lblPredkontacia"));
    lblPredkontacia->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblMaDat = popisok(QStringLiteral("Má dať"), bvlPredkontacia);
    lblMaDat->setObjectName(QStringLiteral("lblMaDat"));
    lblMaDat->setGeometry(16, 8, 120, 18);
    cbMaDat = new TUctovyVyber(QStringLiteral("cbMaDat"), bvlPredkontacia);
    cbMaDat->move(16, 28);
    lblDal = popisok(QStringLiteral("Dal"), bvlPredkontacia);
    lblDal->setObjectName(QStringLiteral("lblDal"));
    lblDal->setGeometry(136, 8, 120, 18);
    cbDal = new TUctovyVyber(QStringLiteral("cbDal"), bvlPredkontacia);
    cbDal->move(136, 28);

    btnUlozit = new QPushButton(QStringLiteral("&Uložiť"));
    btnUlozit->setObjectName(QStringLiteral("btnUlozit"));
    btnUlozit->setAutoDefault(false);
    btnUlozit->setMinimumWidth(90);
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    chranitZmeny(btnUlozit);

    auto* hore = new QGridLayout;
    hore->setHorizontalSpacing(8);
    hore->addWidget(popisok(QStringLiteral("Riadok:")), 0, 0);
    hore->addWidget(edtRiadok, 0, 1);
    hore->addWidget(popisok(QStringLiteral("Dátum:")), 0, 2, Qt::AlignRight);
    hore->addWidget(dtpDatum, 0, 3);
    hore->addWidget(popisok(QStringLiteral("Doklad:")), 0, 4, Qt::AlignRight);
    hore->addWidget(edtDoklad, 0, 5);
    hore->setColumnStretch(5, 1);

    // The amount row reads as a formula: Čiastka X Kurz = Suma Sk.
    auto* suma = new QGridLayout;
    suma->setHorizontalSpacing(6);
    suma->setVerticalSpacing(2);
    suma->addWidget(popisok(QStringLiteral("Čiastka:")), 0, 0);
    suma->addWidget(popisok(QStringLiteral("Mena:")), 0, 1);
    suma->addWidget(popisok(QStringLiteral("Kurz:")), 0, 3);
    suma->addWidget(popisok(QStringLiteral("Suma:")), 0, 5);
    suma->addWidget(mmCiastka, 1, 0);
    suma->addWidget(edtMena, 1, 1);
    suma->addWidget(lblX, 1, 2);
    suma->addWidget(mmKurz, 1, 3);
    suma->addWidget(lblRovnaSa, 1, 4);
    suma->addWidget(mmSuma, 1, 5);
    suma->addWidget(lblSk, 1, 6);
    suma->setColumnStretch(7, 1);

    auto* popis = new QHBoxLayout;
    popis->addWidget(popisok(QStringLiteral("Popis:")));
    popis->addWidget(edtPopis, 1);

    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(hore);
    layout->addSpacing(4);
    layout->addLayout(suma);
    layout->addSpacing(4);
    layout->addLayout(popis);
    layout->addSpacing(4);
    layout->addWidget(lblPredkontacia);
    layout->addWidget(bvlPredkontacia);
    layout->addSpacing(4);
    layout->addLayout(tlacidla);
    setMinimumWidth(500);

    setTabOrder(dtpDatum, edtDoklad);
    setTabOrder(edtDoklad, mmCiastka);
    setTabOrder(mmCiastka, edtMena);
    setTabOrder(edtMena, mmKurz);
    setTabOrder(mmKurz, edtPopis);
    setTabOrder(edtPopis, cbMaDat);
    setTabOrder(cbMaDat, cbDal);
    setTabOrder(cbDal, btnUlozit);

    // FormCreate
    mmKurz->setText(QStringLiteral("1,000"));
    const QStringList ucty = nacitatUcty(kontext);
    cbMaDat->nastavitPolozky(ucty);
    cbDal->nastavitPolozky(ucty);
    if (const auto datum = dateFromText(kontext.pracovnyDatum()))
        dtpDatum->setDate(*datum);
    if (upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);
}

int TfrmPolozkaUctovnehoDennika::Otvorit(int riadok, const QString& tabulka, const QString& doklad,
                                         const QString& datum, const QString& popis) {
    const std::unique_ptr<TfrmPolozkaUctovnehoDennika> uvolnit(this);
    overitTabulku(tabulka);
    tabulka_ = tabulka;
    auto nastavitDatum = [this](const QString& text) {
        const auto d = dateFromText(text);
        if (!d)
            throw DbError(QStringLiteral("'%1' nie je platný dátum.").arg(text));
        dtpDatum->setDate(*d);
    };
    if (riadok == 0) {
        edtRiadok->setText(QString::number(najvyssiRiadok(kontext, tabulka, doklad) + 1));
        edtDoklad->setText(doklad);
        nastavitDatum(datum);
        edtPopis->setText(popis);
    } else {
        if (kontext.SQL(QStringLiteral("SELECT * FROM %1 WHERE Riadok = %2;")
                            .arg(tabulka, QString::number(riadok))) == 0)
            throw DbError(QStringLiteral("Riadok č. %1 sa nenašiel.").arg(riadok));
        const GeneralQuery& q = kontext.ADOQuery();
        edtRiadok->setText(q.text(QStringLiteral("Riadok")));
        edtPopis->setText(q.text(QStringLiteral("Popis")));
        edtDoklad->setText(q.text(QStringLiteral("Doklad")));
        mmCiastka->setText(q.text(QStringLiteral("Ciastka")));
        edtMena->setText(q.text(QStringLiteral("Mena")));
        mmKurz->setText(q.text(QStringLiteral("Kurz")));
        mmSuma->setText(q.text(QStringLiteral("Suma")));
        const QString maDat = q.text(QStringLiteral("MaDat"));
        const QString dal = q.text(QStringLiteral("Dal"));
        nastavitDatum(q.text(QStringLiteral("Datum")));
        cbMaDat->nastavitUcet(maDat);
        cbDal->nastavitUcet(dal);
    }
    edtDoklad->setEnabled(tabulka == Dennik);
    exec();
    return Result;
}

void TfrmPolozkaUctovnehoDennika::vypocitatSumu() {
    mmSuma->setText(sucinPoli(mmCiastka, mmKurz));
}

void TfrmPolozkaUctovnehoDennika::btnUlozitClick() {
    if (!polia->zadane(mmCiastka, mmKurz))
        return;
    if (cbMaDat->ucet().isEmpty())
        return polia->odmietnut(cbMaDat, QStringLiteral("Účet 'Má dať' nebol zadaný!"));
    if (cbDal->ucet().isEmpty())
        return polia->odmietnut(cbDal, QStringLiteral("Účet 'Dal' nebol zadaný!"));
    if (!polia->platne(mmCiastka, mmKurz))
        return;
    // The stored booked amount always follows the stored amount and rate, also when the
    // save key was pressed without leaving a field.
    vypocitatSumu();

    bool ok = false;
    const qint64 riadok = edtRiadok->text().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie je platné číslo riadku.").arg(edtRiadok->text()));
    {
        Transaction t(kontext.store().connection());
        kontext.SQL(QStringLiteral("DELETE FROM %1 WHERE Riadok = %2;")
                        .arg(tabulka_, QString::number(riadok)));
        upravy::zapisatRiadokDennika(kontext.store(), tabulka_,
                                     {riadok, dateToText(dtpDatum->date()), edtDoklad->text(),
                                      mmCiastka->text(), edtMena->text(), mmKurz->text(),
                                      mmSuma->text(), edtPopis->text(), cbMaDat->ucet(),
                                      cbDal->ucet()});
        t.commit();
    }
    Result = static_cast<int>(riadok);
    accept();
}

} // namespace saldovia
