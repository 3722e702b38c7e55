#include "Agendanastavenie.h"

#include "Logo.h"
#include "UpDown.h"
#include "edits/Upravy.h"
#include "ui/CelyText.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Ovladace.h"

#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace saldovia {

using ovladace::tlacidlo;

namespace {

const QString Titulok = QStringLiteral("Nastavenie agendy");
const QString ZmenitLogo = QStringLiteral("Zmeniť logo");
constexpr int NajmensiRok = 2005;
constexpr int NajvacsiRok = 9999;
constexpr int NajvacsiaSadzba = 100;

QLabel* popis(const QString& meno, const QString& text) {
    auto* l = new QLabel(text);
    l->setObjectName(meno);
    return l;
}

// A year taken from the last four characters of a date text, kept within the limits.
QString rokZDatumu(const QString& datum) {
    bool ok = false;
    const int rok = datum.right(4).toInt(&ok);
    return QString::number(
        std::clamp(ok ? rok : QDate::currentDate().year(), NajmensiRok, NajvacsiRok));
}

// What a key does to the text of a number edit: the text and the cursor afterwards.
struct Napisane {
    QString text;
    int cursor;
    bool zmenene;
};

Napisane napisat(bool rok, QString t, int zaciatok, int dlzka, int cursor, QKeyEvent* e,
                 bool mozePrazdne = false) {
    const QString povodny = t;
    const int povodnyCursor = cursor;
    const QString znak = e->text();
    const bool cislica = znak.size() == 1 && znak[0].isDigit() && znak[0].unicode() < 128 &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (e->key() == Qt::Key_Backspace) {
        if (dlzka > 0) {
            t.remove(zaciatok, dlzka);
            cursor = zaciatok;
        } else if (cursor > 0) {
            t.remove(cursor - 1, 1);
            --cursor;
        }
    } else if (e->key() == Qt::Key_Delete) {
        // Deleting forwards follows the same rules, so no key can leave a bad number.
        if (dlzka > 0) {
            t.remove(zaciatok, dlzka);
            cursor = zaciatok;
        } else if (cursor < t.size()) {
            t.remove(cursor, 1);
        }
    } else if (cislica && !(znak == QLatin1String("0") && zaciatok == 0)) {
        t.replace(zaciatok, dlzka, znak);
        cursor = zaciatok + 1;
    }

    bool ok = false;
    const qint64 hodnota = t.toLongLong(&ok);
    if (!rok && t.isEmpty() && mozePrazdne) {
        cursor = 0;
    } else if (!rok && t.isEmpty()) {
        t = QStringLiteral("0");
        cursor = 1;
    } else if (rok && t.size() >= 4 && (!ok || hodnota < NajmensiRok)) {
        // Fewer digits are a year still being typed: dokoncitRok completes it.
        t = QString::number(NajmensiRok);
        cursor = 4;
    } else if (hodnota > NajvacsiRok) {
        t = QString::number(NajvacsiRok);
        cursor = 4;
    } else if (!rok && hodnota > NajvacsiaSadzba) {
        t = QString::number(NajvacsiaSadzba);
        cursor = 3;
    }
    const QString cislo = t.isEmpty() ? t : QString::number(t.toLongLong());
    if (t != cislo) {
        t = cislo;
        cursor = static_cast<int>(t.size());
    }
    return {t, cursor, t != povodny || cursor != povodnyCursor};
}

// A year being typed is whole when the edit is left, Enter is pressed or the settings are
// saved: empty or below the first year it becomes that year.
void dokoncitRok(QLineEdit* e) {
    bool ok = false;
    const int rok = e->text().toInt(&ok);
    if (ok && rok >= NajmensiRok && rok <= NajvacsiRok)
        return;
    e->setText(QString::number(ok && rok > NajvacsiRok ? NajvacsiRok : NajmensiRok));
    e->setCursorPosition(4);
}

// Keys that only move the cursor or leave the edit keep their usual meaning.
bool presun(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_F1:
        return true;
    default:
        break;
    }
    return e == QKeySequence::SelectAll || e == QKeySequence::Copy;
}

} // namespace

TfrmAgendaNastavenie::TfrmAgendaNastavenie(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmAgendaNastavenie"), Titulok, 6) {
    vytvoritOvladace();
    FormCreate();
    chranitZmeny(btnUlozit);
}

void TfrmAgendaNastavenie::vytvoritOvladace() {
    SettingsRow& s = kontext.tblAgendaNastavenie();
    auto edit = [this, &s](const QString& stlpec, int dlzka) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("dbEdt") + stlpec);
        e->setMaxLength(dlzka);
        e->setText(s.text(stlpec));
        e->setCursorPosition(0);
        // A bound edit changes the settings row from the first keystroke; only
        // "Uložiť" posts it.
        connect(e, &QLineEdit::textEdited, this,
                chranene(kontext.hlavneOkno(), [this, stlpec](const QString& text) {
                    kontext.tblAgendaNastavenie().setText(stlpec, text);
                }));
        viazane_.append({e, stlpec});
        return e;
    };
    dbEdtNazovFirmy = edit(QStringLiteral("NazovFirmy"), 50);
    dbEdtSidloUlica = edit(QStringLiteral("SidloUlica"), 50);
    dbEdtSidloPSC = edit(QStringLiteral("SidloPSC"), 5);
    dbEdtSidloMesto = edit(QStringLiteral("SidloMesto"), 50);
    dbEdtSidloStat = edit(QStringLiteral("SidloStat"), 50);
    dbEdtICO = edit(QStringLiteral("ICO"), 8);
    dbEdtDIC = edit(QStringLiteral("DIC"), 10);
    dbEdtICDPH = edit(QStringLiteral("ICDPH"), 12);
    dbEdtTelefon = edit(QStringLiteral("Telefon"), 13);
    dbEdtFax = edit(QStringLiteral("Fax"), 13);
    dbEdtMobil = edit(QStringLiteral("Mobil"), 13);
    dbEdtUcet = edit(QStringLiteral("Ucet"), 15);
    dbEdtIBAN = edit(QStringLiteral("IBAN"), 24);
    dbEdtSWIFT = edit(QStringLiteral("SWIFT"), 8);
    dbEdtEmail = edit(QStringLiteral("Email"), 50);
    dbEdtWeb = edit(QStringLiteral("Web"), 50);
    dbEdtMenoUzivatela = edit(QStringLiteral("MenoUzivatela"), 50);
    dbEdtSidloPSC->setFixedWidth(sirkaPreText(dbEdtSidloPSC, QString(5, u'0')));
    // Numbers and codes are at least as wide as their longest value; the long free texts
    // show in their tooltip what does not fit.
    for (const auto& [e, stlpec] : viazane_) {
        if (e->maxLength() > 5 && e->maxLength() < 50)
            e->setMinimumWidth(sirkaPreText(e, QString(e->maxLength(), u'0')));
        else if (e->maxLength() >= 50)
            celyTextVTipe(e);
    }
    dbEdtICDPH->setMinimumWidth(sirkaPreText(dbEdtICDPH, QStringLiteral("SK") + QString(10, u'0')));
    dbEdtSWIFT->setMinimumWidth(sirkaPreText(dbEdtSWIFT, QStringLiteral("WWWWWWWW")));
    dbEdtIBAN->setMinimumWidth(sirkaPreText(dbEdtIBAN, QStringLiteral("SK") + QString(22, u'0')));

    auto cislo = [this](const QString& meno, int dlzka) {
        auto* e = new QLineEdit;
        e->setObjectName(meno);
        e->setMaxLength(dlzka);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setFixedWidth(52);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->setAcceptDrops(false);
        e->setAttribute(Qt::WA_InputMethodEnabled, false);
        e->installEventFilter(this);
        return e;
    };
    edtUctovnyRok = cislo(QStringLiteral("edtUctovnyRok"), 4);
    udUctovnyRok = new TUpDown(edtUctovnyRok, NajmensiRok, NajvacsiRok);
    udUctovnyRok->setObjectName(QStringLiteral("udUctovnyRok"));
    edtSadzbaDPH = cislo(QStringLiteral("edtSadzbaDPH"), 3);
    udSadzbaDPH = new TUpDown(edtSadzbaDPH, 0, NajvacsiaSadzba);
    udSadzbaDPH->setObjectName(QStringLiteral("udSadzbaDPH"));
    edtZnizenaSadzbaDPH1 = cislo(QStringLiteral("edtZnizenaSadzbaDPH1"), 3);
    udZnizenaSadzbaDPH1 = new TUpDown(edtZnizenaSadzbaDPH1, 0, NajvacsiaSadzba);
    udZnizenaSadzbaDPH1->setObjectName(QStringLiteral("udZnizenaSadzbaDPH1"));
    edtZnizenaSadzbaDPH2 = cislo(QStringLiteral("edtZnizenaSadzbaDPH2"), 3);
    udZnizenaSadzbaDPH2 = new TUpDown(edtZnizenaSadzbaDPH2, 0, NajvacsiaSadzba);
    udZnizenaSadzbaDPH2->setObjectName(QStringLiteral("udZnizenaSadzbaDPH2"));

    btnZrusit = tlacidlo(QStringLiteral("btnZrusit"), QStringLiteral("&Zrušiť"), 88);
    btnUlozit = tlacidlo(QStringLiteral("btnUlozit"), QStringLiteral("&Uložiť"), 88);
    btnLogo = tlacidlo(QStringLiteral("btnLogo"), QStringLiteral("&Logo"), 88);
    connect(btnZrusit, &QPushButton::clicked, this, chranene(this, [this] { btnZrusitClick(); }));
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    connect(btnLogo, &QPushButton::clicked, this,
            chranene(this, [this] { pnlLogoClick(btnLogo); }));

    // The logo panel: the picture centred and scaled down to fit, or a grey notice.
    pnlLogo = new QFrame;
    pnlLogo->setObjectName(QStringLiteral("pnlLogo"));
    pnlLogo->setFrameShape(QFrame::StyledPanel);
    pnlLogo->setFrameShadow(QFrame::Sunken);
    pnlLogo->setLineWidth(1);
    pnlLogo->setFixedHeight(124);
    pnlLogo->setMinimumWidth(176);
    pnlLogo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    pnlLogo->setCursor(Qt::PointingHandCursor);
    pnlLogo->setToolTip(ZmenitLogo);
    pnlLogo->setAutoFillBackground(true);
    QPalette biela = pnlLogo->palette();
    biela.setColor(QPalette::Window, Qt::white);
    pnlLogo->setPalette(biela);
    imgLogo = new QLabel;
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setCursor(Qt::PointingHandCursor);
    imgLogo->setToolTip(ZmenitLogo);
    lblLogoNeexistuje = new QLabel(QStringLiteral("Logo neexistuje ..."));
    lblLogoNeexistuje->setObjectName(QStringLiteral("lblLogoNeexistuje"));
    lblLogoNeexistuje->setAlignment(Qt::AlignCenter);
    lblLogoNeexistuje->setEnabled(false);
    lblLogoNeexistuje->setCursor(Qt::PointingHandCursor);
    auto* vnutri = new QGridLayout(pnlLogo);
    vnutri->setContentsMargins(3, 3, 3, 3);
    vnutri->addWidget(imgLogo, 0, 0);
    vnutri->addWidget(lblLogoNeexistuje, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(pnlLogo), static_cast<QWidget*>(imgLogo),
                       static_cast<QWidget*>(lblLogoNeexistuje)})
        w->installEventFilter(this);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmZmenitLogo = PopupMenu->addAction(QStringLiteral("Z&meniť logo"));
    pmZmenitLogo->setObjectName(QStringLiteral("pmZmenitLogo"));
    pmZrusitLogo = PopupMenu->addAction(QStringLiteral("&Zrušiť logo"));
    pmZrusitLogo->setObjectName(QStringLiteral("pmZrusitLogo"));
    connect(pmZmenitLogo, &QAction::triggered, this,
            chranene(this, [this] { pmZmenitLogoClick(); }));
    connect(pmZrusitLogo, &QAction::triggered, this,
            chranene(this, [this] { pmZrusitLogoClick(); }));

    // Left: the company, its contacts and bank, the user. Right: year, VAT, logo.
    auto* firma = new QGridLayout;
    firma->setHorizontalSpacing(8);
    firma->setVerticalSpacing(6);
    firma->setColumnStretch(1, 1);
    firma->setColumnStretch(3, 1);
    int r = 0;
    auto cely = [&](const QString& meno, const QString& text, QWidget* pole) {
        if (!meno.isEmpty())
            firma->addWidget(popis(meno, text), r, 0);
        firma->addWidget(pole, r, 1, 1, 3);
        ++r;
    };
    auto dvojica = [&](const QString& meno1, const QString& text1, QWidget* pole1,
                       const QString& meno2, const QString& text2, QWidget* pole2) {
        firma->addWidget(popis(meno1, text1), r, 0);
        firma->addWidget(pole1, r, 1);
        firma->addWidget(popis(meno2, text2), r, 2);
        firma->addWidget(pole2, r, 3);
        ++r;
    };
    auto medzera = [&] {
        firma->setRowMinimumHeight(r, 6);
        ++r;
    };
    cely(QStringLiteral("lblNazovFirmy"), QStringLiteral("Názov firmy:"), dbEdtNazovFirmy);
    cely(QStringLiteral("lblSidlo"), QStringLiteral("Sídlo:"), dbEdtSidloUlica);
    auto* mesto = new QHBoxLayout;
    mesto->setSpacing(6);
    mesto->addWidget(dbEdtSidloPSC);
    mesto->addWidget(dbEdtSidloMesto, 1);
    firma->addLayout(mesto, r++, 1, 1, 3);
    cely({}, {}, dbEdtSidloStat);
    medzera();
    dvojica(QStringLiteral("lblICO"), QStringLiteral("IČO:"), dbEdtICO,
            QStringLiteral("lblTelefon"), QStringLiteral("Telefón:"), dbEdtTelefon);
    dvojica(QStringLiteral("lblDIC"), QStringLiteral("DIČ:"), dbEdtDIC, QStringLiteral("lblFax"),
            QStringLiteral("Fax:"), dbEdtFax);
    dvojica(QStringLiteral("lblICDPH"), QStringLiteral("IČ DPH:"), dbEdtICDPH,
            QStringLiteral("lblMobil"), QStringLiteral("Mobil:"), dbEdtMobil);
    cely(QStringLiteral("lblEmail"), QStringLiteral("E-mail:"), dbEdtEmail);
    cely(QStringLiteral("lblWeb"), QStringLiteral("Web:"), dbEdtWeb);
    medzera();
    dvojica(QStringLiteral("lblUcet"), QStringLiteral("Účet:"), dbEdtUcet,
            QStringLiteral("lblSWIFT"), QStringLiteral("SWIFT:"), dbEdtSWIFT);
    cely(QStringLiteral("lblIBAN"), QStringLiteral("IBAN:"), dbEdtIBAN);
    medzera();
    cely(QStringLiteral("lblMenoUzivatela"), QStringLiteral("Meno:"), dbEdtMenoUzivatela);
    firma->setRowStretch(r, 1);

    auto cisloSoSipkami = [](QLineEdit* e, TUpDown* ud) {
        auto* l = new QHBoxLayout;
        l->setSpacing(0);
        l->addWidget(e);
        ud->setFixedHeight(e->sizeHint().height());
        l->addWidget(ud);
        l->addStretch();
        return l;
    };
    auto* rok = new QGridLayout;
    rok->setHorizontalSpacing(8);
    rok->setVerticalSpacing(6);
    rok->addWidget(popis(QStringLiteral("lblUctovnyRok"), QStringLiteral("Účtovný rok:")), 0, 0);
    rok->addLayout(cisloSoSipkami(edtUctovnyRok, udUctovnyRok), 0, 1);
    rok->addWidget(popis(QStringLiteral("lblSadzbaDPH"), QStringLiteral("Sadzba DPH:")), 1, 0);
    rok->addLayout(cisloSoSipkami(edtSadzbaDPH, udSadzbaDPH), 1, 1);
    rok->addWidget(popis(QStringLiteral("lblZnizenaSadzbaDPH1"), QStringLiteral("Znížená sadzba:")),
                   2, 0);
    rok->addLayout(cisloSoSipkami(edtZnizenaSadzbaDPH1, udZnizenaSadzbaDPH1), 2, 1);
    rok->addWidget(
        popis(QStringLiteral("lblZnizenaSadzbaDPH2"), QStringLiteral("2. znížená sadzba:")), 3, 0);
    rok->addLayout(cisloSoSipkami(edtZnizenaSadzbaDPH2, udZnizenaSadzbaDPH2), 3, 1);
    rok->setColumnStretch(1, 1);

    auto* vpravo = new QVBoxLayout;
    vpravo->setSpacing(6);
    vpravo->addLayout(rok);
    vpravo->addSpacing(10);
    vpravo->addWidget(popis(QStringLiteral("lblLogo"), QStringLiteral("Logo:")));
    vpravo->addWidget(pnlLogo);
    auto* logoTlacidlo = new QHBoxLayout;
    logoTlacidlo->addStretch();
    logoTlacidlo->addWidget(btnLogo);
    vpravo->addLayout(logoTlacidlo);
    vpravo->addStretch();
    auto* tlacidla = new QHBoxLayout;
    tlacidla->setSpacing(8);
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);
    tlacidla->addWidget(btnZrusit);
    vpravo->addLayout(tlacidla);

    auto* hlavne = new QHBoxLayout(this);
    hlavne->setContentsMargins(16, 14, 16, 14);
    hlavne->setSpacing(12);
    hlavne->addLayout(firma, 1);
    auto* deliaca = new QFrame;
    deliaca->setFrameShape(QFrame::VLine);
    deliaca->setFrameShadow(QFrame::Sunken);
    hlavne->addWidget(deliaca);
    hlavne->addLayout(vpravo);

    // Tab order as the window reads, top to bottom and each row left to right: the left
    // part (company, contacts, bank, user), then the year, VAT and "Logo" down the right
    // part, and the buttons under it.
    const QList<QWidget*> poradie{dbEdtNazovFirmy,
                                  dbEdtSidloUlica,
                                  dbEdtSidloPSC,
                                  dbEdtSidloMesto,
                                  dbEdtSidloStat,
                                  dbEdtICO,
                                  dbEdtTelefon,
                                  dbEdtDIC,
                                  dbEdtFax,
                                  dbEdtICDPH,
                                  dbEdtMobil,
                                  dbEdtEmail,
                                  dbEdtWeb,
                                  dbEdtUcet,
                                  dbEdtSWIFT,
                                  dbEdtIBAN,
                                  dbEdtMenoUzivatela,
                                  edtUctovnyRok,
                                  edtSadzbaDPH,
                                  edtZnizenaSadzbaDPH1,
                                  edtZnizenaSadzbaDPH2,
                                  btnLogo,
                                  btnUlozit,
                                  btnZrusit};
    for (int i = 1; i < poradie.size(); ++i)
        setTabOrder(poradie[i - 1], poradie[i]);
}

void TfrmAgendaNastavenie::FormCreate() {
    SettingsRow& s = kontext.tblAgendaNastavenie();
    logoZmenene_ = false;
    if (upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);

    const QString cisloLoga = s.text(QStringLiteral("Logo"));
    if (!cisloLoga.isEmpty() && cisloLoga != QLatin1String("0"))
        logo_ = NacitatLogo(kontext.store(), cisloLoga);
    // A number whose picture cannot be shown counts as no logo on screen; the stored
    // number stays until the logo is changed.
    zobrazitLogo();
    lblLogoNeexistuje->setVisible(logo_.isNull());
    pmZrusitLogo->setEnabled(!logo_.isNull());

    const QString rok = s.text(QStringLiteral("UctovnyRok"));
    if (rok.isEmpty()) {
        edtUctovnyRok->setText(rokZDatumu(kontext.pracovnyDatum()));
        btnZrusit->setEnabled(false); // the first settings must be saved
    } else {
        edtUctovnyRok->setText(rok);
    }
    udUctovnyRok->setPosition(edtUctovnyRok->text().toInt());
    const QString sadzba = s.text(QStringLiteral("SadzbaDPH"));
    edtSadzbaDPH->setText(sadzba.isEmpty() ? QStringLiteral("19") : sadzba);
    udSadzbaDPH->setPosition(edtSadzbaDPH->text().toInt());
    const auto znizene = upravy::znizeneSadzbyDPH(kontext.store());
    edtZnizenaSadzbaDPH1->setText(znizene[0]);
    udZnizenaSadzbaDPH1->setPosition(znizene[0].toInt());
    edtZnizenaSadzbaDPH2->setText(znizene[1]);
    udZnizenaSadzbaDPH2->setPosition(znizene[1].toInt());

    kontext.SQL(QStringLiteral("SELECT MAX(Riadok) AS Riadok FROM UctovnyDennik;"));
    if (kontext.ADOQuery().integer(QStringLiteral("Riadok")) != 0) {
        // The journal has lines: the year is fixed.
        edtUctovnyRok->setEnabled(false);
        udUctovnyRok->setEnabled(false);
    }
    (btnZrusit->isEnabled() ? static_cast<QWidget*>(btnZrusit) : dbEdtNazovFirmy)->setFocus();
}

void TfrmAgendaNastavenie::zobrazitLogo() {
    if (logo_.isNull()) {
        imgLogo->clear();
        return;
    }
    const QSize miesto = pnlLogo->contentsRect().size() - QSize(6, 6);
    QPixmap obraz = QPixmap::fromImage(logo_);
    if (obraz.width() > miesto.width() || obraz.height() > miesto.height())
        obraz = obraz.scaled(miesto, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(obraz);
}

bool TfrmAgendaNastavenie::eventFilter(QObject* o, QEvent* e) {
    const bool cislo = o == edtUctovnyRok || o == edtSadzbaDPH || o == edtZnizenaSadzbaDPH1 ||
                       o == edtZnizenaSadzbaDPH2;
    if (o == edtUctovnyRok && e->type() == QEvent::FocusOut)
        dokoncitRok(edtUctovnyRok);
    if (cislo && e->type() == QEvent::KeyPress) {
        bool prevzate = false;
        chranene(kontext.hlavneOkno(), [&] {
            prevzate = edtKeyPress(static_cast<QLineEdit*>(o), static_cast<QKeyEvent*>(e));
        })();
        return prevzate;
    }
    if (cislo && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton)
        return true; // no pasting of the selection past the typing rules
    if (o == pnlLogo && e->type() == QEvent::Resize)
        zobrazitLogo();
    if ((o == pnlLogo || o == imgLogo || o == lblLogoNeexistuje) &&
        e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        chranene(this, [this, o] { pnlLogoClick(o); })();
        return true;
    }
    return TfrmCeleOkno::eventFilter(o, e);
}

bool TfrmAgendaNastavenie::edtKeyPress(QLineEdit* edit, QKeyEvent* e) {
    if (presun(e))
        return false;
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
        (edit == edtUctovnyRok          ? udUctovnyRok
         : edit == edtZnizenaSadzbaDPH1 ? udZnizenaSadzbaDPH1
         : edit == edtZnizenaSadzbaDPH2 ? udZnizenaSadzbaDPH2
                                        : udSadzbaDPH)
            ->krok(e->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    if (!edit->isEnabled() || edit->isReadOnly())
        return true;
    const bool vyber = edit->hasSelectedText();
    const int zaciatok = vyber ? edit->selectionStart() : edit->cursorPosition();
    const int dlzka = vyber ? static_cast<int>(edit->selectedText().size()) : 0;
    const Napisane n =
        napisat(edit == edtUctovnyRok, edit->text(), zaciatok, dlzka, edit->cursorPosition(), e,
                edit == edtZnizenaSadzbaDPH1 || edit == edtZnizenaSadzbaDPH2);
    if (n.zmenene) {
        edit->setText(n.text);
        edit->setCursorPosition(n.cursor);
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (edit == edtUctovnyRok)
            dokoncitRok(edit);
        edit->selectAll();
    }
    return true;
}

void TfrmAgendaNastavenie::keyPressEvent(QKeyEvent* e) {
    // Escape leaves like "Zrušiť" (asking first about unsaved edits), and only when that
    // is allowed.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && !btnZrusit->isEnabled())
        return;
    TfrmCeleOkno::keyPressEvent(e);
}

void TfrmAgendaNastavenie::pnlLogoClick(QObject* sender) {
    QPoint kde = QCursor::pos();
    // The button may be pressed from the keyboard: the menu then opens below it.
    if (sender == btnLogo && !btnLogo->rect().contains(btnLogo->mapFromGlobal(kde)))
        kde = btnLogo->mapToGlobal(QPoint(0, btnLogo->height()));
    PopupMenu->popup(kde);
}

void TfrmAgendaNastavenie::pmZmenitLogoClick() {
    const QString cesta = DialogService::instance().openFile(
        this, QStringLiteral("Otvoriť obrázok"), QDir::homePath(),
        QStringLiteral("Obrázková bitmapa (*.bmp)"), QStringLiteral("bmp"));
    if (cesta.isEmpty())
        return;
    const QImage obrazok = obrazokLoga(cesta);
    if (obrazok.isNull()) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Zvolený súbor nie je obrázok alebo sa nedá prečítať,\nlogo "
                                 "zostáva bez zmeny."));
        return;
    }
    logo_ = obrazok;
    zobrazitLogo();
    lblLogoNeexistuje->hide();
    pmZrusitLogo->setEnabled(true);
    logoZmenene_ = true;
}

void TfrmAgendaNastavenie::pmZrusitLogoClick() {
    logo_ = QImage();
    zobrazitLogo();
    lblLogoNeexistuje->show();
    pmZrusitLogo->setEnabled(false);
    logoZmenene_ = true;
}

void TfrmAgendaNastavenie::UlozitLogo(int cislo) {
    saldovia::UlozitLogo(kontext.store(), cislo, logo_);
}

void TfrmAgendaNastavenie::btnUlozitClick() {
    SettingsRow& s = kontext.tblAgendaNastavenie();
    // The settings row and the logo are saved together or not at all.
    Transaction t(kontext.store().connection());
    dokoncitRok(edtUctovnyRok);
    s.edit();
    s.setText(QStringLiteral("UctovnyRok"), edtUctovnyRok->text());
    s.setText(QStringLiteral("SadzbaDPH"), edtSadzbaDPH->text());
    upravy::ulozitZnizeneSadzbyDPH(kontext.store(),
                                   {edtZnizenaSadzbaDPH1->text(), edtZnizenaSadzbaDPH2->text()});
    if (logoZmenene_) {
        if (!lblLogoNeexistuje->isHidden()) {
            s.setText(QStringLiteral("Logo"), QStringLiteral("0"));
        } else {
            kontext.SQL(QStringLiteral("SELECT MAX(Cislo) AS Cislo FROM Logo;"));
            const qint64 posledne = kontext.ADOQuery().integer(QStringLiteral("Cislo"));
            kontext.SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM Doklady WHERE Logo = %1;")
                            .arg(posledne));
            const qint64 pocet = kontext.ADOQuery().integer(QStringLiteral("Pocet"));
            qint64 cislo = posledne + 1;
            if (posledne != 0 && pocet == 0) {
                // No document shows the newest logo: it is replaced in place.
                cislo = posledne;
                kontext.SQL(QStringLiteral("DELETE FROM Logo WHERE Cislo = %1;").arg(posledne));
            }
            s.setText(QStringLiteral("Logo"), QString::number(cislo));
            UlozitLogo(static_cast<int>(cislo));
        }
    }
    s.post();
    t.commit();
    accept();
}

void TfrmAgendaNastavenie::btnZrusitClick() {
    reject();
}

void TfrmAgendaNastavenie::done(int result) {
    TfrmCeleOkno::done(result);
    if (zatvorene_)
        return;
    zatvorene_ = true;
    chranene(kontext.hlavneOkno(), [this] { FormClose(); })();
}

void TfrmAgendaNastavenie::FormClose() {
    SettingsRow& s = kontext.tblAgendaNastavenie();
    if (kontext.store().isConnected()) {
        // Reopening the row discards whatever the bound edits changed without "Uložiť".
        s.cancel();
        s.close();
        s.open();
        kontext.NacitatStatusBar();
    }
}

} // namespace saldovia
