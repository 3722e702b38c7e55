// The operations on the agenda as a whole: new agenda, backup and restore.

#include "Hlavny.h"
#include "Umiestnenie.h"

#include "exam/Hodiny.h"
#include "exam/Vyhodnotenie.h"
#include "ledger/Obraty.h"
#include "store/Agenda.h"
#include "store/Subory.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace saldovia {

namespace {

const QString FilterAgendy = QStringLiteral("Databázový súbor (*.mdb)");
const QString PriponaAgendy = QStringLiteral("mdb");

// Whether two paths name the same file, however they are spelled.
bool rovnakySubor(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (fa.absoluteFilePath() == fb.absoluteFilePath())
        return true;
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

// A failed copy may name its temporary file beside the target (".Zaloha.mdb.1a2b3c4d.tmp");
// the user knows only the file chosen, so the text names that one instead.
QString bezDocasnehoSuboru(QString text, const QString& ciel) {
    const QFileInfo fi(ciel);
    for (const QString& priecinok :
         {fi.absolutePath(), QDir::toNativeSeparators(fi.absolutePath())}) {
        const QRegularExpression docasny(
            QRegularExpression::escape(priecinok + QStringLiteral("/.") + fi.fileName()) +
            QStringLiteral("\\.[0-9a-f]{8}\\.tmp"));
        text.replace(docasny, QDir::toNativeSeparators(fi.absoluteFilePath()));
    }
    return text;
}

// Why a file cannot be written into the folder of `path`: a folder that is not there, or
// one that cannot be written (read-only, no access); empty when a file can be made there.
QString prekazkaPriecinka(const QString& path) {
    const QString priecinok = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return QStringLiteral("Priečinok %1 neexistuje.").arg(priecinok);
    if (const QString dlha = prilisDlhaCesta(path); !dlha.isEmpty())
        return dlha;
    DocasnySubor skuska(cielOdkazov(path));
    if (!skuska.ok())
        return QStringLiteral("Priečinok %1 sa nedá zapisovať: %2")
            .arg(priecinok, popisChybySystemu(skuska.chybaSystemu()));
    return {};
}

// The cause, when one is known, why a file offered to the restore cannot be used.
QString dovodNepouzitia(const QString& path) {
    const QString subor = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QString dovod = prilisDlhaCesta(path);
    if (dovod.isEmpty() && !QFileInfo(path).isFile())
        dovod = QStringLiteral("Súbor %1 neexistuje.").arg(subor);
    QFile f(path);
    if (dovod.isEmpty() && !f.open(QIODevice::ReadOnly))
        dovod = QStringLiteral("Súbor %1 sa nedá čítať: %2")
                    .arg(subor, popisChybySystemu(poslednaChybaSystemu()));
    return dovod.isEmpty() ? dovod : QStringLiteral("\n\n") + dovod;
}

} // namespace

bool TfrmHlavny::jeCestaAgendy(const QString& path) const {
    return rovnakySubor(path, cestaAgendy());
}

void TfrmHlavny::mmItmNovaClick(QObject* sender) {
    SettingsRow& s = store_.tblAgendaNastavenie;
    if (s.text(QStringLiteral("Logo")).isEmpty()) {
        s.edit();
        s.setText(QStringLiteral("Logo"), QStringLiteral("0"));
        s.post();
    }
    const auto answer = DialogService::instance().message(
        this, QStringLiteral("Nová agenda"),
        QStringLiteral("Vytvorením novej agendy budú všetky existujúce údaje stratené!\nChcete "
                       "ich najskôr zálohovať?"),
        DialogService::Icon::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return;
    if (answer == QMessageBox::Yes)
        mmItmZalohovatClick();

    hodiny_->zastavit();
    const QString logo = store_.tblAgendaNastavenie.text(QStringLiteral("Logo"));
    bool ok = false;
    const qint64 cisloLoga = logo.toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie je platné celé číslo.").arg(logo));
    {
        Transaction t(store_.connection());
        for (const char* table :
             {"UctovnyDennik", "UctovnyDennikPomocny", "UctovnyDennikVzor", "Doklady",
              "DokladyPolozky", "DokladyPolozkyPomocne", "HlavnaKniha", "HlavnaKnihaVzor"})
            SQL(QStringLiteral("DELETE FROM %1;").arg(QString::fromLatin1(table)));
        if (sender == mmItmZachovatNastavenia) {
            SQL(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '', SadzbaDPH = '';"));
            SQL(QStringLiteral("DELETE FROM Logo WHERE Cislo <> %1;").arg(cisloLoga));
        } else {
            SQL(QStringLiteral("DELETE FROM UctovaOsnova WHERE Povod = 'U';"));
            SQL(QStringLiteral("DELETE FROM Logo;"));
            SQL(QStringLiteral("DELETE FROM AgendaNastavenie;"));
            SQL(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES (%1);")
                    .arg(sqlText(VerziaProgramu)));
            SQL(QStringLiteral("DELETE FROM AgendaPrisposobenie;"));
            SQL(QStringLiteral(
                "INSERT INTO AgendaPrisposobenie SELECT * FROM AgendaPrisposobenieOriginal;"));
        }
        t.commit();
    }
    s.close();
    s.open();
    NacitatStatusBar();
    NastavitSkusku();
}

bool TfrmHlavny::mmItmZalohovatClick() {
    return ulozitKopiu({QStringLiteral("Zálohovanie agendy"), QStringLiteral("Zaloha"),
                        QStringLiteral("Zálohovanie nebolo vykonané!"),
                        QStringLiteral("Zálohovanie sa nepodarilo!"),
                        QStringLiteral("Zálohu sa nepodarilo zapísať do súboru %1."),
                        QStringLiteral("Zálohovanie prebehlo úspešne!")});
}

bool TfrmHlavny::mmItmOdovzdatSkuskuClick() {
    const QString caption = QStringLiteral("Odovzdanie skúšky");
    if (!skuskaSkoncena()) {
        showWarning(this, caption, QStringLiteral("Skúška ešte neskončila!"));
        return false;
    }
    // The full name with its suffix: a name holding a dot would otherwise get none.
    const QString navrh =
        skuska::menoOdovzdania(store_.tblAgendaNastavenie.text(QStringLiteral("MenoUzivatela"))) +
        QStringLiteral(".mdb");
    // F1 in the hand-in's dialogs opens its topic.
    const PomocnikDialogov pomocnik([this](QWidget* okno) { otvoritPomocnika(okno, 18); });
    // Lines left without accounts are told with the outcome, in the same message.
    QStringList bezPredkontacie;
    for (qint64 r : hlavnakniha::riadkyBezPredkontacie(store_))
        bezPredkontacie << QString::number(r);
    QString poznamka;
    if (!bezPredkontacie.isEmpty())
        poznamka = QStringLiteral("Neboli vyplnené predkontácie v riadkoch: %1.\nHlavnú knihu "
                                  "preto nebolo možné vygenerovať.")
                       .arg(bezPredkontacie.join(QStringLiteral(", ")));
    return ulozitKopiu({caption, navrh, QStringLiteral("Odovzdanie skúšky nebolo vykonané!"),
                        QStringLiteral("Odovzdanie skúšky sa nepodarilo!"),
                        QStringLiteral("Skúšku sa nepodarilo zapísať do súboru %1."),
                        QStringLiteral("Odovzdanie skúšky prebehlo úspešne!"), poznamka});
}

bool TfrmHlavny::ulozitKopiu(const TextyKopie& t) {
    const QString& caption = t.caption;
    const QString path = DialogService::instance().saveFile(
        this, caption, QDir::home().filePath(t.navrh), FilterAgendy, PriponaAgendy);
    if (path.isEmpty()) {
        showWarning(this, caption, t.zrusene);
        return false;
    }
    const QString agenda = cestaAgendy();
    if (jeCestaAgendy(path)) {
        showWarning(this, caption, QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        return false;
    }
    const QString subor = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (const QString prekazka = prekazkaPriecinka(path); !prekazka.isEmpty()) {
        showError(this, caption, t.zlyhanie + QStringLiteral("\n\n") + prekazka);
        return false;
    }
    OdpojitDatabazu();
    const FileResult r = ulozitKopiuAgendy(agenda, path);
    PripojitDatabazu(agenda);
    tichoVyhodnotit_ = r && !t.poznamka.isEmpty();
    NastavitSkusku();
    if (!r) {
        showError(this, caption,
                  t.zlyhanie + QStringLiteral("\n\n") + t.zapis.arg(subor) +
                      QStringLiteral("\n\n") + bezDocasnehoSuboru(r.error, path));
        return false;
    }
    if (t.poznamka.isEmpty())
        showInformation(this, caption, t.uspech);
    else
        showInformation(this, caption,
                        t.uspech + QStringLiteral("\nSúbor: ") + subor + QStringLiteral("\n\n") +
                            t.poznamka);
    return true;
}

void TfrmHlavny::mmItmObnovitClick(QObject* sender) {
    tichoVyhodnotit_ = false;
    const QString caption = QStringLiteral("Obnovenie agendy zo zálohy");
    // The installed demo's folder is offered beside the others; an agenda not set up yet
    // (no accounting year, as on the first start) starts the choice there.
    const QString ukazka = priecinokUkazky(datovyPriecinok_);
    const bool nova = !relacia_.nacitana ||
                      store_.tblAgendaNastavenie.text(QStringLiteral("UctovnyRok")).isEmpty();
    const QString path = DialogService::instance().openFileWithPlaces(
        this, caption, !ukazka.isEmpty() && nova ? ukazka : QDir::homePath(),
        ukazka.isEmpty() ? QStringList() : QStringList{ukazka}, FilterAgendy, PriponaAgendy);
    if (path.isEmpty())
        return;
    const QString agenda = cestaAgendy();
    if (jeCestaAgendy(path)) {
        showWarning(this, caption, QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        return;
    }
    const bool nacitana = relacia_.nacitana;
    bool obnovit = false;
    if (!KontrolaDatabazy(path)) {
        showError(this, caption,
                  QStringLiteral("Zvolený súbor sa nedá použiť!") + dovodNepouzitia(path));
    } else if (!nacitana ||
               askYesNo(this, caption,
                        QStringLiteral("Všetky existujúce údaje budú prepísané dátami\nzo "
                                       "zvolenej zálohy, želáte si pokračovať?"))) {
        obnovit = true;
    }
    if (obnovit) {
        // The copy replaces the agenda in one step, so the agenda is never missing.
        const FileResult r = replaceFileWith(path, agenda);
        if (r) {
            PripojitDatabazu(agenda);
            nastavitPolozkyAgendy(true);
            NacitatStatusBar();
            NastavitSkusku();
            if (sender == mmItmObnovit)
                showInformation(this, caption, QStringLiteral("Obnovenie prebehlo úspešne!"));
            return;
        }
        showError(this, caption,
                  QStringLiteral("Obnovenie sa nepodarilo!\n\n") +
                      bezDocasnehoSuboru(r.error, agenda));
    }
    if (nacitana) {
        PripojitDatabazu(agenda);
        NastavitSkusku();
    }
}

} // namespace saldovia
