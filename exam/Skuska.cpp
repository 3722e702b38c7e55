#include "Skuska.h"

#include "Generovanie.h"
#include "Vyhodnotenie.h"
#include "ledger/Hlavnakniha.h"
#include "ledger/Obraty.h"
#include "store/Agenda.h"
#include "store/Store.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace saldovia {

namespace {

const QString NebolaVygenerovana = QStringLiteral("Skúška nebola vygenerovaná!");

QLabel* tucny(const QString& meno, const QString& text) {
    auto* l = new QLabel(text);
    l->setObjectName(meno);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

// The file the exam is made in: a copy of the agenda beside the chosen path under a hidden,
// unique name, removed when the generation ends, whatever its outcome. The chosen path itself
// is written only once the exam is complete.
class PracovnySubor {
public:
    explicit PracovnySubor(const QString& ciel) {
        const QFileInfo fi(ciel);
        subor_.setFileTemplate(fi.absolutePath() + QStringLiteral("/.") + fi.fileName() +
                               QStringLiteral(".XXXXXX.~mdb"));
        if (subor_.open())
            subor_.close();
        else
            chyba_ =
                QStringLiteral("Súbor %1 sa nedá vytvoriť: %2")
                    .arg(QDir::toNativeSeparators(fi.absoluteFilePath()), subor_.errorString());
    }
    ~PracovnySubor() {
        const QString cesta = subor_.fileName();
        if (!cesta.isEmpty())
            QFile::remove(cesta + QStringLiteral("-journal"));
    }
    QString cesta() const { return subor_.fileName(); }
    const QString& chyba() const { return chyba_; }

private:
    QTemporaryFile subor_;
    QString chyba_;
};

// The rows whose amounts the students compute, shown to the teacher before the file is
// written when the VAT lines of a ticked document line joined them without being ticked.
void ukazatVypocty(Kontext& k, const QSet<qint64>& zaskrtnute) {
    const ResultSet r = k.store().connection().query(
        QStringLiteral("SELECT Riadok, Popis FROM UctovnyDennikVzor WHERE Vypocty = 1 ORDER BY "
                       "Riadok;"));
    QStringList zoznam;
    int pridane = 0;
    for (int i = 0; i < r.rowCount(); ++i) {
        const qint64 riadok = r.integer(i, 0);
        const bool dph = !zaskrtnute.contains(riadok);
        pridane += dph ? 1 : 0;
        zoznam << skuska::polozkaRiadku(riadok, r.text(i, 1)) +
                      (dph ? QStringLiteral("  (riadok DPH, pridaný)") : QString());
    }
    if (pridane == 0)
        return;
    QString text = QStringLiteral("Študenti budú počítať čiastky v týchto riadkoch (%1):\n\n")
                       .arg(r.rowCount());
    text += zoznam.join(u'\n');
    text += QStringLiteral("\n\nRiadky DPH zaškrtnutých riadkov dokladov sa vynulujú s nimi "
                           "(pridané: %1).")
                .arg(pridane);
    showInformation(k.hlavneOkno(), QStringLiteral("Informácia"), text);
}

// The statements of the generation on the connected copy, in one transaction: the sample
// journal, the sample ledger, the exam's parameters from the dialog, and the journal without
// its account assignments. Throws on the first failure; the transaction then rolls back.
void pripravitSkusku(Kontext& k) {
    Store& store = k.store();
    Transaction t(store.connection());
    skuska::ulozitVzorDennika(store);
    TfrmHlavnaKniha(k).Ulozit();
    k.SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM HlavnaKnihaVzor;"));
    if (k.ADOQuery().integer(QStringLiteral("Pocet")) <= 0)
        throw DbError(QStringLiteral("Vzorovú hlavnú knihu sa nepodarilo zostaviť."));
    QSet<qint64> zaskrtnute;
    {
        TfrmSkuska okno(k);
        okno.exec();
        if (!okno.chyba().isEmpty())
            throw DbError(okno.chyba());
        for (int i = 0; i < okno.CheckListBox->count(); ++i)
            if (okno.CheckListBox->item(i)->checkState() == Qt::Checked)
                zaskrtnute << okno.CheckListBox->item(i)->data(Qt::UserRole).toLongLong();
    }
    ukazatVypocty(k, zaskrtnute);
    skuska::vymazatPredkontacie(store);
    t.commit();
}

} // namespace

TfrmSkuska::TfrmSkuska(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmSkuska"), QStringLiteral("Skúška"), 14) {
    lblNastavte = tucny(QStringLiteral("lblNastavte"), QStringLiteral("Nastavte dĺžku trvania "
                                                                      "skúšky:"));
    TrackBar = new QSlider(Qt::Horizontal);
    TrackBar->setObjectName(QStringLiteral("TrackBar"));
    TrackBar->setRange(0, skuska::NajdlhsiaSkuska);
    TrackBar->setSingleStep(1);
    TrackBar->setPageStep(15);
    TrackBar->setTickPosition(QSlider::TicksBelow);
    TrackBar->setTickInterval(60);
    TrackBar->setValue(120);
    lblCas = new QLabel(skuska::dlzka(120));
    lblCas->setObjectName(QStringLiteral("lblCas"));
    lblCas->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblCas->setStyleSheet(QStringLiteral("font-size: 11pt;"));
    lblZvolte = tucny(QStringLiteral("lblZvolte"),
                      QStringLiteral("Zvoľte riadky, v ktorých sa čiastky vynulujú:"));
    CheckListBox = new QListWidget;
    CheckListBox->setObjectName(QStringLiteral("CheckListBox"));
    CheckListBox->setMinimumSize(360, 220);
    CheckListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    chbCvicenie = new QCheckBox(QStringLiteral("&Cvičenie (kontrola priebežne)"));
    chbCvicenie->setObjectName(QStringLiteral("chbCvicenie"));
    chbCvicenie->setToolTip(QStringLiteral("Študent si môže prácu kedykoľvek skontrolovať; "
                                           "výsledok cvičenia sa nepočíta ako skúška."));
    btnOK = new QPushButton(QStringLiteral("&OK"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setMinimumWidth(88);
    btnOK->setDefault(true);

    connect(TrackBar, &QSlider::valueChanged, this, [this] { TrackBarChange(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });

    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(6);
    layout->addWidget(lblNastavte);
    layout->addWidget(TrackBar);
    layout->addWidget(lblCas);
    layout->addSpacing(8);
    layout->addWidget(lblZvolte);
    layout->addWidget(CheckListBox, 1);
    layout->addWidget(chbCvicenie);
    layout->addSpacing(4);
    layout->addLayout(tlacidla);

    FormCreate();
}

void TfrmSkuska::FormCreate() {
    const int n = kontext.SQL(QStringLiteral("SELECT Riadok,Popis FROM UctovnyDennik ORDER BY "
                                             "Riadok;"));
    GeneralQuery& q = kontext.ADOQuery();
    for (int i = 1; i <= n; ++i) {
        q.setRecNo(i);
        const qint64 riadok = q.integer(QStringLiteral("Riadok"));
        auto* item = new QListWidgetItem(
            skuska::polozkaRiadku(riadok, q.text(QStringLiteral("Popis"))), CheckListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        // The row number travels with the item, also beyond three digits.
        item->setData(Qt::UserRole, riadok);
    }
}

void TfrmSkuska::TrackBarChange() {
    lblCas->setText(skuska::dlzka(TrackBar->value()));
}

void TfrmSkuska::btnOKClick() {
    close();
}

void TfrmSkuska::done(int result) {
    if (!zatvorene_) {
        zatvorene_ = true;
        try {
            FormClose();
        } catch (const std::exception& e) {
            chyba_ = QString::fromUtf8(e.what());
        }
    }
    TfrmMaleOkno::done(result);
}

void TfrmSkuska::FormClose() {
    QList<qint64> vypocty;
    for (int i = 0; i < CheckListBox->count(); ++i) {
        const QListWidgetItem* item = CheckListBox->item(i);
        if (item->checkState() == Qt::Checked)
            vypocty << item->data(Qt::UserRole).toLongLong();
    }
    skuska::zapisatParametre(kontext.store(), lblCas->text(), vypocty, chbCvicenie->isChecked());
}

void TfrmSkuska::Vygenerovat(Kontext& k) {
    k.SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennik;"));
    if (k.ADOQuery().integer(QStringLiteral("Pocet")) <= 0) {
        showError(k.hlavneOkno(), QStringLiteral("Chyba"),
                  QStringLiteral("Účtovný denník je prázdny,\nnie sú žiadne vzorové údaje!"));
        return;
    }
    // Without every account assigned there is no sample ledger, and an exam without it
    // cannot be scored: nothing is made.
    const QList<qint64> chybne = hlavnakniha::riadkyBezPredkontacie(k.store());
    if (!chybne.isEmpty()) {
        showError(k.hlavneOkno(), QStringLiteral("Účtovný denník"),
                  hlavnakniha::spravaBezPredkontacie(chybne));
        showWarning(k.hlavneOkno(), QStringLiteral("Upozornenie"), NebolaVygenerovana);
        return;
    }

    const QString cesta = DialogService::instance().saveFile(
        k.hlavneOkno(), QStringLiteral("Vygenerovať skúšku"),
        QDir::home().filePath(QStringLiteral("Skuska")), QStringLiteral("Databázový súbor (*.mdb)"),
        QStringLiteral("mdb"));
    if (cesta.isEmpty()) {
        showWarning(k.hlavneOkno(), QStringLiteral("Upozornenie"), NebolaVygenerovana);
        return;
    }
    if (k.jeCestaAgendy(cesta)) {
        showError(k.hlavneOkno(), QStringLiteral("Chyba"),
                  QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        return;
    }

    const QString agenda = k.cestaAgendy();
    QString chyba;
    k.OdpojitDatabazu();
    {
        PracovnySubor kopia(cesta);
        try {
            if (!kopia.chyba().isEmpty())
                throw DbError(kopia.chyba());
            FileResult r = replaceFileWith(agenda, kopia.cesta());
            if (!r)
                throw DbError(r.error);
            k.PripojitDatabazu(kopia.cesta());
            pripravitSkusku(k);
            k.OdpojitDatabazu();
            // A fresh copy, checked, replaces the chosen file in one step.
            r = compactDatabase(kopia.cesta(), cesta);
            if (!r)
                throw DbError(r.error);
        } catch (const std::exception& e) {
            chyba = QString::fromUtf8(e.what());
        }
        k.OdpojitDatabazu();
    }
    k.PripojitDatabazu(agenda);
    if (!chyba.isEmpty()) {
        showError(k.hlavneOkno(), QStringLiteral("Chyba"),
                  NebolaVygenerovana + QStringLiteral("\n\n") + chyba);
        return;
    }
    showInformation(k.hlavneOkno(), QStringLiteral("Informácia"),
                    QStringLiteral("Vygenerovanie skúšky prebehlo úspešne!"));
}

} // namespace saldovia
