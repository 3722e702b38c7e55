#pragma once

#include "store/Store.h"
#include "store/Subory.h"
#include "ui/Kontext.h"
#include "ui/StatusBar.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QTimer;

namespace saldovia {

class HelpFile;
class SkuskaHodiny;
class TpnlVysledky;
struct Umiestnenie;

// The main window: owns the agenda connection, the shared data sets, the status bar
// with the accounting year and the working date, the menus and the function list.
class TfrmHlavny : public QMainWindow, public Kontext {
    Q_OBJECT
public:
    // programDir is the folder of "Data.mdb" and "Pomocnik.hlp"; empty means the folders
    // of the running program (umiestnenieProgramu: beside the executable for a portable
    // copy, otherwise the user's data folder and the installed data folder).
    explicit TfrmHlavny(const QString& programDir = {});
    explicit TfrmHlavny(const Umiestnenie& umiestnenie);
    ~TfrmHlavny() override;

    const QString VerziaProgramu;
    const QString Heslo;
    bool PrvaAktivacia = true;

    // Kontext: what the windows reach.
    Store& store() override { return store_; }
    const RelaciaAgendy& relacia() const override { return relacia_; }
    void setPracovnyDatum(const QString& datum) override;
    void NacitatStatusBar() override;
    QPrinter& tlaciaren() override { return *tlaciaren_; }
    SluzbyDennika& sluzbyDennika() override { return sluzby_; }
    QWidget* hlavneOkno() override { return this; }
    int otvoritOkno(QDialog* okno) override;
    void registrovatOkno(QDialog* okno) override;
    QRect pracovnaPlocha() const override;
    void nastavitTitulok(const QString& caption) override { setWindowTitle(caption); }
    bool maPomocnika() const override { return pomocnik_ != nullptr; }
    void otvoritPomocnika(QWidget* parent, int context) override;
    QString verziaProgramu() const override { return VerziaProgramu; }
    QString cestaAgendy() const override;
    // Whether the path names the agenda file, however it is spelled.
    bool jeCestaAgendy(const QString& path) const override;
    void PripojitDatabazu(const QString& path) override;
    void OdpojitDatabazu() override;

    // The folder of the agenda file and its compaction copy.
    const QString& priecinok() const { return priecinok_; }
    // The session as the main window keeps it; zobrazitRelaciu shows it again.
    RelaciaAgendy& relacia() { return relacia_; }
    void zobrazitRelaciu();

    TStatusBar* StatusBar = nullptr;

    bool KontrolaDatabazy(const QString& path);
    // KontrolaDatabazy and PripojitDatabazu on one connection (one key derivation): true and
    // connected when the file is accepted, false and disconnected otherwise.
    bool PripojitOverenuDatabazu(const QString& path);
    void NastavitSkusku();
    void KoniecSkusky();
    void TimerTimer();
    void FormActivate();
    // Scores the finished exam and shows the results in pnlVysledky (the last step of a tick
    // that finds no time left).
    void VyhodnotitSkusku();
    void btnPodrobnostiClick();

    // Menu and list handlers.
    void mmItmNovaClick(QObject* sender);
    bool mmItmZalohovatClick();
    // Hands a finished exam in: a compacted copy as the backup makes it, proposed under the
    // student's name.
    bool mmItmOdovzdatSkuskuClick();
    void mmItmVysledkyTriedyClick();
    void mmItmObnovitClick(QObject* sender);
    void mmItmNastavenieClick();
    void mmItmPrisposobenieClick();
    void mmItmSkoncitClick();
    void mmItmDokladyClick(QObject* sender);
    void mmItmUctovnyDennikClick();
    void mmItmHlavnaKnihaClick();
    void mmItmKnihaFakturClick();
    // The year-end closing and the statements; not during an exam.
    void mmItmUctovnaZavierkaClick();
    void mmItmKalkulackaClick();
    void mmItmNastavenieTlaceClick();
    void mmItmPoznamkyClick();
    void mmItmUctovaOsnovaClick();
    void mmItmPracovnyDatumClick();
    void mmItmPouzivatelskaPriruckaClick();
    void mmItmVygenerovatSkuskuClick();
    void mmItmCoJeClick();
    void StatusBarDblClick(int x);
    void ListViewClick();
    void ListViewDblClick();
    void dbEdtMenoUzivatelaExit();
    void dbTxtMenoUzivatelaClick();

    // The registry of open windows: the exam's end closes them in a given order.
    QDialog* otvoreneOkno(const QString& meno) const;
    void zatvoritOkna(const QStringList& poradie);
    QWidget* oknoPomocnika() const { return oknoPomocnika_; }
    QWidget* kalkulacka() const { return kalkulacka_; }
    // Opens the built-in calculator (or brings it forward).
    void otvoritKalkulacku();

    // Menu items, pop-up items and controls, by their names.
    QMenu* mmItmAgenda;
    QMenu* mmItmNova;
    QAction* mmItmZachovatNastavenia;
    QAction* mmItmVychodzieNastavenia;
    QAction* mmItmObnovit;
    QAction* mmItmZalohovat;
    QAction* mmItmOdovzdatSkusku;
    QAction* mmItmNastavenie;
    QAction* mmItmPrisposobenie;
    QAction* mmItmSkoncit;
    QMenu* mmItmDoklady;
    QMenu* mmItmKnihy;
    QAction* mmItmUctovnyDennik;
    QAction* mmItmHlavnaKniha;
    QAction* mmItmKnihaFaktur;
    QAction* mmItmUctovnaZavierka;
    QMenu* mmItmNastroje;
    QAction* mmItmKalkulacka;
    QAction* mmItmNastavenieTlace;
    QAction* mmItmPoznamky;
    QAction* mmItmUctovaOsnova;
    QAction* mmItmPracovnyDatum;
    QMenu* mmItmPomocnik;
    QAction* mmItmPouzivatelskaPrirucka;
    QAction* mmItmVygenerovatSkusku;
    QAction* mmItmVygenerovatSkuskuZamok;
    QAction* mmItmVysledkyTriedy;
    QAction* mmItmCoJe;
    QMenu* pmDoklady;
    QMenu* PopupMenu;
    QAction* pmItmAgendaNastavenie;
    QAction* pmItmPracovnyDatum;
    QAction* pmItmUkoncitSkusku;
    QAction* pmItmCoJe;

    QLabel* lblVitajte;
    QLabel* lblNaSkuske;
    QWidget* pnlMeno;
    QLineEdit* dbEdtMenoUzivatela;
    QLabel* dbTxtMenoUzivatela;
    QLabel* lblHlavneFunkcie;
    QListWidget* ListView;
    TpnlVysledky* pnlVysledky;
    // The exam clock's timer (the clock owns it).
    QTimer* Timer;
    SkuskaHodiny& hodiny() { return *hodiny_; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void vytvoritMenu();
    void vytvoritPlochu();
    void zobrazitVysledky(bool zobrazit);
    void rozpisaneMeno(SettingsRow& s);
    void nastavitPolozkyAgendy(bool enabled);
    // The exam items that follow the exam's state: the hand-in only in a finished exam, the
    // class results only outside an exam; a finished exam's name can no longer be changed.
    void nastavitPolozkySkusky();
    bool skuskaSkoncena() const;
    // The exam's end, once: the announcement, then the open windows close in their order.
    void ohlasitKoniecSkusky();
    // The end just stored: the seal over the finished work, and the exam remembered on this
    // computer as ended.
    void zaznamenatKoniec();
    // A copy of an exam that has already ended here: refused with a message and ended at
    // once, marked as reopened. True when it was refused.
    bool odmietnutZnovuOtvorenu();
    // The backup's way of writing a compacted copy of the agenda to a path the user chooses,
    // with the texts of the operation: its caption, the proposed name, the message when the
    // dialog is cancelled, the headline of a failure, the failure to write (one %1, the
    // file) and the success.
    struct TextyKopie {
        QString caption, navrh, zrusene, zlyhanie, zapis, uspech;
        // Told with the outcome, after the file's name; the evaluation that follows the
        // reconnection then does not tell the rows without accounts again.
        QString poznamka = {};
    };
    bool ulozitKopiu(const TextyKopie& texty);
    QList<QAction*> polozkyAgendy() const;
    void FormClose();

    RelaciaAgendy relacia_;
    QString priecinok_;
    bool tichoVyhodnotit_ = false; // the next evaluation keeps the ledger's refusal to itself
    QString datovyPriecinok_;
    QString chybaUmiestnenia_;
    // Held from the first activation until closing has compacted the agenda: one copy of
    // the program per agenda.
    ZamokAgendy zamok_;
    Store store_;
    std::unique_ptr<QPrinter> tlaciaren_;
    std::unique_ptr<HelpFile> pomocnik_;
    SluzbyDennika sluzby_;
    QList<QPointer<QDialog>> okna_;
    QWidget* plocha_ = nullptr;
    QPointer<QWidget> oknoPomocnika_;
    QPointer<QWidget> kalkulacka_;
    SkuskaHodiny* hodiny_ = nullptr;
};

} // namespace saldovia
