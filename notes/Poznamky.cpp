#include "Poznamky.h"

#include "Nahradit.h"
#include "Rtf.h"
#include "edits/Upravy.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

// Resources of a static library are registered by name, outside any namespace.
static void registrovatIkonyPoznamok() {
    Q_INIT_RESOURCE(ikony_poznamok);
}

namespace saldovia {

namespace {

const QString Titulok = QStringLiteral("Poznámky");
const QString FilterOtvorit = QStringLiteral("RichText súbor (*.rtf);;Textový súbor (*.txt)");
const QString FilterUlozit = QStringLiteral("RichText súbor (*.rtf)");
const QString Pripona = QStringLiteral("rtf");
const QString ZostavaBezZmeny = QStringLiteral(",\ntext zostáva bez zmeny.");
constexpr int NajvacsiaVelkost = 1638;
const char* const VlastnostZarovnania = "zarovnanie";

// Arial where it is installed, otherwise the face the system shows in its place.
QString predvolenePismo() {
    const QString arial = QStringLiteral("Arial");
    if (QFontDatabase::families().contains(arial))
        return arial;
    return QFontInfo(QFont(arial)).family();
}

bool odrazky(const QTextList* zoznam) {
    if (!zoznam)
        return false;
    const QTextListFormat::Style s = zoznam->format().style();
    return s == QTextListFormat::ListDisc || s == QTextListFormat::ListCircle ||
           s == QTextListFormat::ListSquare;
}

// Keys that move the cursor, open the list or leave the size box keep their meaning.
bool presun(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_F1:
    case Qt::Key_F4:
        return true;
    default:
        break;
    }
    return e == QKeySequence::SelectAll || e == QKeySequence::Copy;
}

// The column's text as the bytes it was written from: the writer gives 7-bit text, a
// text stored by others may hold any character.
QByteArray bajtyTextu(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return text.toUtf8();
    return text.toLatin1();
}

// A list that drops down as a list of so many entries, also in styles whose lists open
// like menus over the whole screen.
class StylZoznamu : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* vysledok) const override {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, vysledok);
    }
};

// What the selection looks like: a style counts only when the whole selection has it;
// a family or size that differs within the selection is empty or 0.
struct Vzhlad {
    bool tucne = false;
    bool kurziva = false;
    bool podciarknute = false;
    QString rodina;
    qreal velkost = 0;
    QColor farba;
};

} // namespace

TfrmPoznamky::TfrmPoznamky(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmPoznamky"), Titulok, 13) {
    registrovatIkonyPoznamok();
    vytvoritOvladace();
    FormCreate();
}

void TfrmPoznamky::vytvoritOvladace() {
    auto ikona = [](const char* meno) {
        return QIcon(QStringLiteral(":/icons/poznamky-%1.svg").arg(QLatin1String(meno)));
    };
    auto tlacidlo = [&](const char* meno, const QString& hint, const char* obrazok, bool prepinac) {
        auto* b = new QToolButton;
        b->setObjectName(QLatin1String(meno));
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setIcon(ikona(obrazok));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setCheckable(prepinac);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    btnNew = tlacidlo("btnNew", QStringLiteral("Nový text"), "novy", false);
    btnOpen = tlacidlo("btnOpen", QStringLiteral("Načítať zo súboru"), "otvorit", false);
    btnSave = tlacidlo("btnSave", QStringLiteral("Zálohovať do súboru"), "ulozit", false);
    btnPrint = tlacidlo("btnPrint", QStringLiteral("Tlačiť"), "tlacit", false);
    btnFind = tlacidlo("btnFind", QStringLiteral("Hľadať / Nahradiť"), "hladat", false);
    btnCut = tlacidlo("btnCut", QStringLiteral("Vystrihnúť"), "vystrihnut", false);
    btnCopy = tlacidlo("btnCopy", QStringLiteral("Kopírovať"), "kopirovat", false);
    btnPaste = tlacidlo("btnPaste", QStringLiteral("Prilepiť"), "prilepit", false);
    btnUndo = tlacidlo("btnUndo", QStringLiteral("Späť"), "spat", false);
    btnBold = tlacidlo("btnBold", QStringLiteral("Tučné"), "tucne", true);
    btnItalic = tlacidlo("btnItalic", QStringLiteral("Kurzíva"), "kurziva", true);
    btnUnderline = tlacidlo("btnUnderline", QStringLiteral("Podčiarknuť"), "podciarknut", true);
    btnColor = tlacidlo("btnColor", QStringLiteral("Farba"), "farba", false);
    btnAlignLeft = tlacidlo("btnAlignLeft", QStringLiteral("Zarovnať vľavo"), "vlavo", true);
    btnAlignCenter = tlacidlo("btnAlignCenter", QStringLiteral("Centrovať"), "stred", true);
    btnAlignRight = tlacidlo("btnAlignRight", QStringLiteral("Zarovnať vpravo"), "vpravo", true);
    btnBullets = tlacidlo("btnBullets", QStringLiteral("Odrážky"), "odrazky", true);
    btnAlignLeft->setProperty(VlastnostZarovnania, ZarovnatVlavo);
    btnAlignCenter->setProperty(VlastnostZarovnania, ZarovnatNaStred);
    btnAlignRight->setProperty(VlastnostZarovnania, ZarovnatVpravo);
    // The keys a rich-text editor answers to for the three styles.
    btnBold->setShortcut(QKeySequence::Bold);
    btnItalic->setShortcut(QKeySequence::Italic);
    btnUnderline->setShortcut(QKeySequence::Underline);

    cbFontName = new QComboBox;
    cbFontName->setObjectName(QStringLiteral("cbFontName"));
    cbFontName->setToolTip(QStringLiteral("Písmo"));
    cbFontName->setEditable(false);
    cbFontName->setMaxVisibleItems(16);
    auto* styl = new StylZoznamu;
    styl->setParent(cbFontName);
    cbFontName->setStyle(styl);
    cbFontName->setFixedWidth(190);
    // Every installed font, each entry in its own typeface.
    for (const QString& rodina : QFontDatabase::families()) {
        cbFontName->addItem(rodina);
        cbFontName->setItemData(cbFontName->count() - 1, QFont(rodina, 8), Qt::FontRole);
    }

    cbFontSize = new QComboBox;
    cbFontSize->setObjectName(QStringLiteral("cbFontSize"));
    cbFontSize->setToolTip(QStringLiteral("Veľkosť písma"));
    cbFontSize->setEditable(true);
    cbFontSize->setInsertPolicy(QComboBox::NoInsert);
    cbFontSize->setCompleter(nullptr);
    for (int v : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        cbFontSize->addItem(QString::number(v));
    cbFontSize->setMaxVisibleItems(16);
    auto* stylVelkosti = new StylZoznamu;
    stylVelkosti->setParent(cbFontSize);
    cbFontSize->setStyle(stylVelkosti);
    cbFontSize->setFixedWidth(64);
    cbFontSize->setAttribute(Qt::WA_InputMethodEnabled, false);
    cbFontSize->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    cbFontSize->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    cbFontSize->lineEdit()->setAcceptDrops(false);
    cbFontSize->installEventFilter(this);
    cbFontSize->lineEdit()->installEventFilter(this);

    SpeedBar = new QWidget;
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    auto* riadok1 = new QHBoxLayout;
    riadok1->setSpacing(1);
    auto oddelovac = [&] {
        auto* ciara = new QFrame;
        ciara->setFrameShape(QFrame::VLine);
        ciara->setFrameShadow(QFrame::Sunken);
        ciara->setFixedHeight(18);
        riadok1->addSpacing(3);
        riadok1->addWidget(ciara);
        riadok1->addSpacing(3);
    };
    for (QToolButton* b : {btnNew, btnOpen, btnSave, btnPrint})
        riadok1->addWidget(b);
    oddelovac();
    riadok1->addWidget(btnFind);
    oddelovac();
    for (QToolButton* b : {btnCut, btnCopy, btnPaste, btnUndo})
        riadok1->addWidget(b);
    oddelovac();
    for (QToolButton* b : {btnBold, btnItalic, btnUnderline, btnColor})
        riadok1->addWidget(b);
    oddelovac();
    for (QToolButton* b : {btnAlignLeft, btnAlignCenter, btnAlignRight})
        riadok1->addWidget(b);
    oddelovac();
    riadok1->addWidget(btnBullets);
    riadok1->addStretch();
    auto* riadok2 = new QHBoxLayout;
    riadok2->setSpacing(6);
    riadok2->addWidget(cbFontName);
    riadok2->addWidget(cbFontSize);
    riadok2->addStretch();
    auto* lista = new QVBoxLayout(SpeedBar);
    lista->setContentsMargins(0, 0, 0, 0);
    lista->setSpacing(4);
    lista->addLayout(riadok1);
    lista->addLayout(riadok2);

    RichEdit = new QTextEdit;
    RichEdit->setObjectName(QStringLiteral("RichEdit"));
    RichEdit->setAcceptRichText(true);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    RichEdit->setFont(QFont(predvolenePismo(), 12));
    // The selection stays visible when the editor loses the focus.
    QPalette paleta = RichEdit->palette();
    for (QPalette::ColorRole r : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, r, paleta.color(QPalette::Active, r));
    RichEdit->setPalette(paleta);
    RichEdit->installEventFilter(this);

    btnUlozit = new QPushButton(QStringLiteral("&Uložiť"));
    btnUlozit->setObjectName(QStringLiteral("btnUlozit"));
    btnZrusit = new QPushButton(QStringLiteral("&Zrušiť"));
    btnZrusit->setObjectName(QStringLiteral("btnZrusit"));
    for (QPushButton* b : {btnUlozit, btnZrusit}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
    }

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    auto polozka = [this](QMenu* menu, const char* meno, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(meno));
        return a;
    };
    pmSpat = polozka(PopupMenu, "pmSpat", QStringLiteral("&Späť"));
    PopupMenu->addSeparator();
    pmVystrihnut = polozka(PopupMenu, "pmVystrihnut", QStringLiteral("V&ystrihnúť"));
    pmKopirovat = polozka(PopupMenu, "pmKopirovat", QStringLiteral("Ko&pírovať"));
    pmPrilepit = polozka(PopupMenu, "pmPrilepit", QStringLiteral("Pri&lepiť"));
    pmOdstranit = polozka(PopupMenu, "pmOdstranit", QStringLiteral("Odst&rániť"));
    PopupMenu->addSeparator();
    pmVybratVsetko = polozka(PopupMenu, "pmVybratVsetko", QStringLiteral("&Vybrať všetko"));
    pmHladat = polozka(PopupMenu, "pmHladat", QStringLiteral("&Hľadať / Nahradiť..."));
    pmPismo = polozka(PopupMenu, "pmPismo", QStringLiteral("Pís&mo..."));
    pmZarovnat = PopupMenu->addMenu(QStringLiteral("&Zarovnať"));
    pmZarovnat->setObjectName(QStringLiteral("pmZarovnat"));
    pmZarovnat->menuAction()->setObjectName(QStringLiteral("pmZarovnat"));
    pmVlavo = polozka(pmZarovnat, "pmVlavo", QStringLiteral("&Vľavo"));
    pmCentrovat = polozka(pmZarovnat, "pmCentrovat", QStringLiteral("&Centrovať"));
    pmVpravo = polozka(pmZarovnat, "pmVpravo", QStringLiteral("V&pravo"));
    zarovnanie_ = new QActionGroup(this);
    zarovnanie_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {pmVlavo, pmCentrovat, pmVpravo}) {
        a->setCheckable(true);
        zarovnanie_->addAction(a);
    }
    pmVlavo->setChecked(true);
    pmVlavo->setProperty(VlastnostZarovnania, ZarovnatVlavo);
    pmCentrovat->setProperty(VlastnostZarovnania, ZarovnatNaStred);
    pmVpravo->setProperty(VlastnostZarovnania, ZarovnatVpravo);
    pmOdrazky = polozka(PopupMenu, "pmOdrazky", QStringLiteral("&Odrážky"));
    pmOdrazky->setCheckable(true);

    ReplaceDialog = new TReplaceDialog(this);

    auto* tlacidla = new QHBoxLayout;
    tlacidla->setSpacing(8);
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);
    tlacidla->addWidget(btnZrusit);
    auto* hlavne = new QVBoxLayout(this);
    hlavne->setContentsMargins(10, 8, 10, 10);
    hlavne->setSpacing(6);
    hlavne->addWidget(SpeedBar);
    hlavne->addWidget(RichEdit, 1);
    hlavne->addLayout(tlacidla);

    // Handlers.
    auto na = [this](auto* zdroj, auto signal, auto f) {
        connect(zdroj, signal, this, chranene(this, f));
    };
    na(btnNew, &QToolButton::clicked, [this] { btnNewClick(); });
    na(btnOpen, &QToolButton::clicked, [this] { btnOpenClick(); });
    na(btnSave, &QToolButton::clicked, [this] { btnSaveClick(); });
    na(btnPrint, &QToolButton::clicked, [this] { btnPrintClick(); });
    na(btnFind, &QToolButton::clicked, [this] { btnFindClick(); });
    na(btnCut, &QToolButton::clicked, [this] { btnCutClick(); });
    na(btnCopy, &QToolButton::clicked, [this] { btnCopyClick(); });
    na(btnPaste, &QToolButton::clicked, [this] { btnPasteClick(); });
    na(btnUndo, &QToolButton::clicked, [this] { btnUndoClick(); });
    na(btnBold, &QToolButton::clicked, [this] { btnBoldClick(); });
    na(btnItalic, &QToolButton::clicked, [this] { btnItalicClick(); });
    na(btnUnderline, &QToolButton::clicked, [this] { btnUnderlineClick(); });
    na(btnColor, &QToolButton::clicked, [this] { btnColorClick(); });
    for (QToolButton* b : {btnAlignLeft, btnAlignCenter, btnAlignRight})
        na(b, &QToolButton::clicked, [this, b] { btnAlignClick(b); });
    na(btnBullets, &QToolButton::clicked, [this] { btnBulletsClick(); });
    na(pmSpat, &QAction::triggered, [this] { btnUndoClick(); });
    na(pmVystrihnut, &QAction::triggered, [this] { btnCutClick(); });
    na(pmKopirovat, &QAction::triggered, [this] { btnCopyClick(); });
    na(pmPrilepit, &QAction::triggered, [this] { btnPasteClick(); });
    na(pmOdstranit, &QAction::triggered, [this] { pmOdstranitClick(); });
    na(pmVybratVsetko, &QAction::triggered, [this] { pmVybratVsetkoClick(); });
    na(pmHladat, &QAction::triggered, [this] { btnFindClick(); });
    na(pmPismo, &QAction::triggered, [this] { pmPismoClick(); });
    for (QAction* a : {pmVlavo, pmCentrovat, pmVpravo})
        na(a, &QAction::triggered, [this, a] { pmZarovnatClick(a); });
    na(pmOdrazky, &QAction::triggered, [this] { pmOdrazkyClick(); });
    na(cbFontName, &QComboBox::activated, [this] { cbFontNameChange(); });
    na(cbFontSize, &QComboBox::activated, [this] { cbFontSizeChange(); });
    na(ReplaceDialog, &TReplaceDialog::OnFind, [this] { ReplaceDialogFind(); });
    na(ReplaceDialog, &TReplaceDialog::OnReplace, [this] { ReplaceDialogReplace(); });
    na(btnUlozit, &QPushButton::clicked, [this] { btnUlozitClick(); });
    na(btnZrusit, &QPushButton::clicked, [this] { btnZrusitClick(); });
    connect(RichEdit, &QTextEdit::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu->popup(RichEdit->viewport()->mapToGlobal(p)); });
    // OnChange and OnSelectionChange; OnEnter comes through the event filter.
    for (auto signal :
         {&QTextEdit::textChanged, &QTextEdit::cursorPositionChanged, &QTextEdit::selectionChanged})
        na(RichEdit, signal, [this] { RichEditChange(); });
    na(RichEdit, &QTextEdit::currentCharFormatChanged, [this] { RichEditChange(); });
}

void TfrmPoznamky::FormCreate() {
    poslednyHladany_.clear();
    SettingsRow& s = kontext.tblAgendaNastavenie();
    const QString ulozene = s.text(QStringLiteral("Poznamky"));
    QTextDocument* doc = novyDokument();
    if (!ulozene.isEmpty()) {
        const QByteArray bajty = bajtyTextu(ulozene);
        if (!rtf::jeRtf(bajty))
            doc->setPlainText(ulozene); // notes kept as plain text
        else if (rtf::citat(bajty, *doc, true) != rtf::Chyba::Ziadna)
            showWarning(kontext.hlavneOkno(), QStringLiteral("Upozornenie"),
                        QStringLiteral("Poznámky uložené v agende sú poškodené,\nzobrazená je "
                                       "len ich čitateľná časť."));
    }
    zobrazitDokument(doc);
    // In an exam agenda the notes are the assignment: they are not saved back.
    const bool skuska = !s.text(QStringLiteral("SkuskaDlzka")).isEmpty();
    if (skuska || upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);
    if (skuska)
        kontext.nastavitTitulok(QStringLiteral("Zadanie"));
    RichEdit->setFocus();
}

QTextDocument* TfrmPoznamky::novyDokument() {
    auto* doc = new QTextDocument(RichEdit);
    doc->setDefaultFont(RichEdit->font());
    return doc;
}

void TfrmPoznamky::zobrazitDokument(QTextDocument* doc) {
    // The editor frees a document of its own; one made here is freed here.
    QTextDocument* stary = RichEdit->document();
    const bool moj = stary && stary != doc && stary->parent() == RichEdit;
    RichEdit->setDocument(doc);
    if (moj)
        stary->deleteLater();
    // A fresh caret at the start takes the look of the text there.
    RichEdit->setTextCursor(QTextCursor(doc));
    RichEditChange();
}

bool TfrmPoznamky::eventFilter(QObject* o, QEvent* e) {
    if (o == RichEdit && e->type() == QEvent::FocusIn)
        chranene(this, [this] { RichEditChange(); })();
    if (o == cbFontSize && e->type() == QEvent::KeyPress) {
        bool prevzate = false;
        chranene(this, [&] { prevzate = cbFontSizeKeyPress(static_cast<QKeyEvent*>(e)); })();
        return prevzate;
    }
    if (o == cbFontSize->lineEdit() && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton)
        return true; // no pasting of the selection past the typing rules
    return TfrmCeleOkno::eventFilter(o, e);
}

void TfrmPoznamky::keyPressEvent(QKeyEvent* e) {
    // Escape does not throw the text away: only "Zrušiť" leaves without saving.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        return;
    TfrmCeleOkno::keyPressEvent(e);
}

void TfrmPoznamky::RichEditChange() {
    const QTextCursor kurzor = RichEdit->textCursor();
    const QTextDocument* doc = RichEdit->document();

    const bool maOdrazky = odrazky(kurzor.currentList());
    btnBullets->setChecked(maOdrazky);
    pmOdrazky->setChecked(maOdrazky);

    const Qt::Alignment a = RichEdit->alignment() & Qt::AlignHorizontal_Mask;
    int zarovnanie = -1; // justified text has no button
    if (!(a & Qt::AlignJustify))
        zarovnanie = (a & Qt::AlignHCenter) ? ZarovnatNaStred
                     : (a & Qt::AlignRight) ? ZarovnatVpravo
                                            : ZarovnatVlavo;
    btnAlignLeft->setChecked(zarovnanie == ZarovnatVlavo);
    btnAlignCenter->setChecked(zarovnanie == ZarovnatNaStred);
    btnAlignRight->setChecked(zarovnanie == ZarovnatVpravo);
    pmVlavo->setChecked(zarovnanie == ZarovnatVlavo);
    pmCentrovat->setChecked(zarovnanie == ZarovnatNaStred);
    pmVpravo->setChecked(zarovnanie == ZarovnatVpravo);

    // The look of the selection, or of what is typed next at the caret.
    const QFont predvolene = doc->defaultFont();
    auto vzhlad = [&](const QTextCharFormat& f) {
        Vzhlad v;
        v.tucne = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium
                                                         : predvolene.bold();
        v.kurziva = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : predvolene.italic();
        v.podciarknute = f.fontUnderline();
        const QStringList rodiny = f.fontFamilies().toStringList();
        v.rodina = rodiny.isEmpty() ? predvolene.family() : rodiny.constFirst();
        v.velkost = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                    : f.hasProperty(QTextFormat::FontPixelSize)
                        ? f.intProperty(QTextFormat::FontPixelSize) * 0.75
                        : predvolene.pointSizeF();
        return v;
    };
    Vzhlad v;
    bool prvy = true;
    if (kurzor.hasSelection()) {
        const int od = kurzor.selectionStart();
        const int po = kurzor.selectionEnd();
        for (QTextBlock b = doc->findBlock(od); b.isValid() && b.position() < po; b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment fr = it.fragment();
                if (fr.position() + fr.length() <= od || fr.position() >= po)
                    continue;
                const Vzhlad f = vzhlad(fr.charFormat());
                if (prvy) {
                    v = f;
                    prvy = false;
                    continue;
                }
                v.tucne = v.tucne && f.tucne;
                v.kurziva = v.kurziva && f.kurziva;
                v.podciarknute = v.podciarknute && f.podciarknute;
                if (v.rodina != f.rodina)
                    v.rodina.clear();
                if (v.velkost != f.velkost)
                    v.velkost = 0;
            }
    }
    if (prvy)
        v = vzhlad(RichEdit->currentCharFormat());
    btnUnderline->setChecked(v.podciarknute);
    btnItalic->setChecked(v.kurziva);
    btnBold->setChecked(v.tucne);
    const QString velkost = v.velkost > 0 ? QString::number(qRound(v.velkost)) : QString();
    if (cbFontSize->currentText() != velkost)
        cbFontSize->setEditText(velkost);
    cbFontName->setCurrentIndex(
        v.rodina.isEmpty()
            ? -1
            : cbFontName->findText(v.rodina, Qt::MatchExactly | Qt::MatchCaseSensitive));

    const bool vyber = kurzor.hasSelection();
    for (QToolButton* b : {btnCut, btnCopy})
        b->setEnabled(vyber);
    for (QAction* a : {pmKopirovat, pmVystrihnut, pmOdstranit})
        a->setEnabled(vyber);
    const bool text = !doc->isEmpty();
    for (QToolButton* b : {btnNew, btnFind})
        b->setEnabled(text);
    for (QAction* a : {pmHladat, pmVybratVsetko})
        a->setEnabled(text);
}

void TfrmPoznamky::doEditora() {
    RichEdit->setFocus();
    RichEditChange();
}

void TfrmPoznamky::pridatFormat(const QTextCharFormat& f) {
    RichEdit->mergeCurrentCharFormat(f);
    doEditora();
}

void TfrmPoznamky::btnBoldClick() {
    QTextCharFormat f;
    f.setFontWeight(btnBold->isChecked() ? QFont::Bold : QFont::Normal);
    pridatFormat(f);
}

void TfrmPoznamky::btnItalicClick() {
    QTextCharFormat f;
    f.setFontItalic(btnItalic->isChecked());
    pridatFormat(f);
}

void TfrmPoznamky::btnUnderlineClick() {
    QTextCharFormat f;
    f.setFontUnderline(btnUnderline->isChecked());
    pridatFormat(f);
}

void TfrmPoznamky::btnColorClick() {
    const QTextCharFormat aktualny = RichEdit->currentCharFormat();
    QColor farba = aktualny.foreground().style() != Qt::NoBrush
                       ? aktualny.foreground().color()
                       : RichEdit->palette().text().color();
    if (!DialogService::instance().color(this, farba)) {
        doEditora();
        return;
    }
    QTextCharFormat f;
    f.setForeground(farba);
    pridatFormat(f);
}

void TfrmPoznamky::pmPismoClick() {
    const QTextCharFormat aktualny = RichEdit->currentCharFormat();
    QFont pismo = RichEdit->document()->defaultFont();
    const QStringList rodiny = aktualny.fontFamilies().toStringList();
    if (!rodiny.isEmpty())
        pismo.setFamily(rodiny.constFirst());
    if (aktualny.hasProperty(QTextFormat::FontPointSize))
        pismo.setPointSizeF(aktualny.fontPointSize());
    if (aktualny.hasProperty(QTextFormat::FontWeight))
        pismo.setWeight(static_cast<QFont::Weight>(aktualny.fontWeight()));
    if (aktualny.hasProperty(QTextFormat::FontItalic))
        pismo.setItalic(aktualny.fontItalic());
    pismo.setUnderline(aktualny.fontUnderline());
    pismo.setStrikeOut(aktualny.fontStrikeOut());
    QColor farba = aktualny.foreground().style() != Qt::NoBrush
                       ? aktualny.foreground().color()
                       : RichEdit->palette().text().color();
    if (!DialogService::instance().font(this, pismo, farba)) {
        doEditora();
        return;
    }
    QTextCharFormat f;
    f.setFontFamilies({pismo.family()});
    if (pismo.pointSizeF() > 0)
        f.setFontPointSize(pismo.pointSizeF());
    f.setFontWeight(pismo.weight());
    f.setFontItalic(pismo.italic());
    f.setFontUnderline(pismo.underline());
    f.setFontStrikeOut(pismo.strikeOut());
    f.setForeground(farba);
    pridatFormat(f);
}

void TfrmPoznamky::cbFontNameChange() {
    if (cbFontName->currentIndex() < 0) {
        doEditora();
        return;
    }
    QTextCharFormat f;
    f.setFontFamilies({cbFontName->currentText()});
    pridatFormat(f);
}

void TfrmPoznamky::cbFontSizeChange() {
    bool ok = false;
    const int velkost = cbFontSize->currentText().toInt(&ok);
    if (!ok || velkost <= 0) {
        doEditora();
        return;
    }
    QTextCharFormat f;
    f.setFontPointSize(velkost);
    pridatFormat(f);
}

bool TfrmPoznamky::cbFontSizeKeyPress(QKeyEvent* e) {
    if (presun(e))
        return false;
    QLineEdit* edit = cbFontSize->lineEdit();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        edit->selectAll();
        cbFontSizeChange();
        return true;
    }
    QString t = edit->text();
    const bool vyber = edit->hasSelectedText();
    const int zaciatok = vyber ? edit->selectionStart() : edit->cursorPosition();
    const int dlzka = vyber ? static_cast<int>(edit->selectedText().size()) : 0;
    int kurzor = edit->cursorPosition();
    const QString znak = e->text();
    const bool cislica = znak.size() == 1 && znak[0] >= u'0' && znak[0] <= u'9' &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (e->key() == Qt::Key_Backspace) {
        if (vyber) {
            t.remove(zaciatok, dlzka);
            kurzor = zaciatok;
        } else if (kurzor > 0) {
            t.remove(kurzor - 1, 1);
            --kurzor;
        }
    } else if (e->key() == Qt::Key_Delete) {
        // Deleting forwards follows the same rules, so no key leaves the box empty.
        if (vyber) {
            t.remove(zaciatok, dlzka);
            kurzor = zaciatok;
        } else if (kurzor < t.size()) {
            t.remove(kurzor, 1);
        }
    } else if (cislica && !(znak == QLatin1String("0") && zaciatok == 0)) {
        t.replace(zaciatok, dlzka, znak);
        kurzor = zaciatok + 1;
    } else {
        return true; // any other key changes nothing
    }
    if (t.isEmpty()) {
        t = QStringLiteral("1");
        kurzor = 1;
    } else if (t.toLongLong() > NajvacsiaVelkost) {
        t = QString::number(NajvacsiaVelkost);
        kurzor = 4;
    }
    edit->setText(t);
    edit->setCursorPosition(kurzor);
    return true;
}

void TfrmPoznamky::nastavitZarovnanie(int hodnota) {
    RichEdit->setAlignment(hodnota == ZarovnatNaStred  ? Qt::AlignHCenter
                           : hodnota == ZarovnatVpravo ? Qt::AlignRight
                                                       : Qt::AlignLeft);
    doEditora();
}

void TfrmPoznamky::btnAlignClick(QObject* sender) {
    nastavitZarovnanie(sender->property(VlastnostZarovnania).toInt());
}

void TfrmPoznamky::pmZarovnatClick(QObject* sender) {
    nastavitZarovnanie(sender->property(VlastnostZarovnania).toInt());
}

void TfrmPoznamky::btnBulletsClick() {
    QTextCursor kurzor = RichEdit->textCursor();
    kurzor.beginEditBlock();
    if (btnBullets->isChecked()) {
        QTextListFormat f;
        f.setStyle(QTextListFormat::ListDisc);
        kurzor.createList(f);
    } else {
        QTextDocument* doc = RichEdit->document();
        const QTextBlock posledny = doc->findBlock(kurzor.selectionEnd());
        for (QTextBlock b = doc->findBlock(kurzor.selectionStart()); b.isValid(); b = b.next()) {
            if (b.textList()) {
                QTextBlockFormat f = b.blockFormat();
                f.setObjectIndex(-1);
                QTextCursor(b).setBlockFormat(f);
            }
            if (b == posledny)
                break;
        }
    }
    kurzor.endEditBlock();
    doEditora();
}

void TfrmPoznamky::pmOdrazkyClick() {
    btnBullets->setChecked(!btnBullets->isChecked());
    btnBulletsClick();
}

void TfrmPoznamky::btnUndoClick() {
    RichEdit->undo();
    doEditora();
}

void TfrmPoznamky::btnCutClick() {
    RichEdit->cut();
    doEditora();
}

void TfrmPoznamky::btnCopyClick() {
    RichEdit->copy();
    doEditora();
}

void TfrmPoznamky::btnPasteClick() {
    RichEdit->paste();
    doEditora();
}

void TfrmPoznamky::pmOdstranitClick() {
    QTextCursor kurzor = RichEdit->textCursor();
    kurzor.removeSelectedText();
    RichEdit->setTextCursor(kurzor);
    doEditora();
}

void TfrmPoznamky::pmVybratVsetkoClick() {
    RichEdit->selectAll();
    doEditora();
}

// ---- search and replace ----

void TfrmPoznamky::btnFindClick() {
    QString vyber = RichEdit->textCursor().selectedText();
    // The dialog searches within one line: a longer selection gives its first line.
    const qsizetype koniec =
        vyber.indexOf(QRegularExpression(QStringLiteral("[\\x{2028}\\x{2029}\\n]")));
    if (koniec >= 0)
        vyber.truncate(koniec);
    ReplaceDialog->setFindText(vyber.isEmpty() ? poslednyHladany_ : vyber);
    ReplaceDialog->Execute();
}

QTextCursor TfrmPoznamky::hladat(const QString& co, int od, int po) const {
    QTextDocument::FindFlags f;
    if (ReplaceDialog->matchCase())
        f |= QTextDocument::FindCaseSensitively;
    if (ReplaceDialog->wholeWord())
        f |= QTextDocument::FindWholeWords;
    const QTextCursor n = RichEdit->document()->find(co, od, f);
    if (n.isNull() || n.selectionEnd() > po)
        return {};
    return n;
}

QTextCursor TfrmPoznamky::hladatDokola(const QString& co, int od) const {
    const int koniec = RichEdit->document()->characterCount() - 1;
    QTextCursor n = hladat(co, od, koniec);
    if (n.isNull() && od != 0)
        n = hladat(co, 0, od);
    return n;
}

void TfrmPoznamky::nenaslo() {
    QWidget* rodic = ReplaceDialog->isVisible() ? static_cast<QWidget*>(ReplaceDialog) : this;
    const QMessageBox::StandardButton odpoved = DialogService::instance().message(
        rodic, QStringLiteral("Hľadanie"),
        QStringLiteral("Požadovaný text sa nenašiel!\nChcete vykonať nové hľadanie?"),
        DialogService::Icon::Critical, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (odpoved != QMessageBox::Yes) {
        ReplaceDialog->close();
        RichEdit->activateWindow();
        RichEdit->setFocus();
    }
}

void TfrmPoznamky::ReplaceDialogFind() {
    const QString co = ReplaceDialog->FindText();
    poslednyHladany_ = co;
    if (co.isEmpty())
        return;
    const QTextCursor n = hladatDokola(co, RichEdit->textCursor().selectionEnd());
    if (n.isNull()) {
        nenaslo();
        return;
    }
    RichEdit->setTextCursor(n);
    ukazatNajdene();
}

void TfrmPoznamky::ReplaceDialogReplace() {
    const QString co = ReplaceDialog->FindText();
    const QString na = ReplaceDialog->ReplaceText();
    poslednyHladany_ = co;
    if (co.isEmpty())
        return;
    if (ReplaceDialog->replaceAll()) {
        // One pass from the start: each search begins behind the text put in before, so a
        // replacement that holds the search text is not replaced again. One undo step.
        QTextCursor kurzor(RichEdit->document());
        kurzor.beginEditBlock();
        int pocet = 0;
        for (;;) {
            const QTextCursor n =
                hladat(co, kurzor.position(), RichEdit->document()->characterCount() - 1);
            if (n.isNull())
                break;
            kurzor.setPosition(n.selectionStart());
            kurzor.setPosition(n.selectionEnd(), QTextCursor::KeepAnchor);
            kurzor.insertText(na);
            ++pocet;
        }
        kurzor.endEditBlock();
        if (pocet == 0) {
            nenaslo();
            return;
        }
        RichEdit->setTextCursor(kurzor);
        ukazatNajdene();
        return;
    }
    QTextCursor n = hladatDokola(co, RichEdit->textCursor().selectionStart());
    if (n.isNull()) {
        nenaslo();
        return;
    }
    RichEdit->setTextCursor(n);
    n.insertText(na);
    RichEdit->setTextCursor(n);
    ukazatNajdene();
}

QRect TfrmPoznamky::oblastVyberu() const {
    const QTextCursor c = RichEdit->textCursor();
    QTextCursor od(c), po(c);
    od.setPosition(c.selectionStart());
    po.setPosition(c.selectionEnd());
    const QRect r = RichEdit->cursorRect(od).united(RichEdit->cursorRect(po));
    return QRect(RichEdit->viewport()->mapToGlobal(r.topLeft()), r.size());
}

void TfrmPoznamky::ukazatNajdene() {
    RichEdit->ensureCursorVisible();
    ReplaceDialog->odsunutZ(oblastVyberu());
    RichEdit->activateWindow();
    doEditora();
}

// ---- files and printing ----

bool TfrmPoznamky::nacitatSubor(const QString& cesta) {
    const QString meno = QDir::toNativeSeparators(cesta);
    const QFileInfo info(cesta);
    if (info.size() > NajvacsiSubor) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor %1 je príliš veľký (viac ako %2 MB)")
                          .arg(meno, QString::number(NajvacsiSubor / (1024 * 1024))) +
                      ZostavaBezZmeny);
        return false;
    }
    QFile subor(cesta);
    QByteArray data;
    if (subor.open(QIODevice::ReadOnly))
        data = subor.read(NajvacsiSubor + 1);
    if (!subor.isOpen() || subor.error() != QFileDevice::NoError) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor %1 sa nedá prečítať: %2").arg(meno, subor.errorString()) +
                      ZostavaBezZmeny);
        return false;
    }
    if (data.size() > NajvacsiSubor) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor %1 je príliš veľký (viac ako %2 MB)")
                          .arg(meno, QString::number(NajvacsiSubor / (1024 * 1024))) +
                      ZostavaBezZmeny);
        return false;
    }
    QTextDocument* doc = novyDokument();
    rtf::Vynechane vynechane;
    if (info.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
        const std::optional<QString> text = rtf::textSuboru(data);
        if (!text) {
            delete doc;
            showError(this, QStringLiteral("Chyba"),
                      QStringLiteral("Súbor %1 nie je textový súbor").arg(meno) + ZostavaBezZmeny);
            return false;
        }
        doc->setPlainText(*text);
    } else {
        const rtf::Chyba chyba = rtf::citat(data, *doc, false, &vynechane);
        if (chyba != rtf::Chyba::Ziadna) {
            delete doc;
            showError(this, QStringLiteral("Chyba"),
                      (chyba == rtf::Chyba::NieJeRtf
                           ? QStringLiteral("Súbor %1 nie je vo formáte RichText (RTF)")
                           : QStringLiteral("Súbor %1 je poškodený a nedá sa načítať"))
                              .arg(meno) +
                          ZostavaBezZmeny);
            return false;
        }
    }
    zobrazitDokument(doc);
    // Told before anything is saved: saving keeps only what the notes show.
    if (!vynechane.prazdne())
        showWarning(
            this, QStringLiteral("Upozornenie"),
            QStringLiteral(
                "Súbor %1 obsahuje aj to, čo poznámky nedokážu zobraziť, a pri "
                "načítaní bolo vynechané alebo zjednodušené:\n%2.\n\nUložením poznámok sa to "
                "stratí natrvalo.")
                .arg(meno, vynechane.text()));
    return true;
}

bool TfrmPoznamky::zapisatSubor(const QString& cesta) {
    QSaveFile subor(cesta);
    const QByteArray data = rtf::zapisat(*RichEdit->document());
    if (!subor.open(QIODevice::WriteOnly) || subor.write(data) != data.size() || !subor.commit()) {
        const QString chyba = subor.errorString();
        subor.cancelWriting();
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor %1 sa nedá zapísať: %2\nText nebol zálohovaný.")
                      .arg(QDir::toNativeSeparators(cesta), chyba));
        return false;
    }
    return true;
}

void TfrmPoznamky::btnOpenClick() {
    const QString cesta = DialogService::instance().openFile(
        this, QStringLiteral("Načítať zo súboru"), QDir::homePath(), FilterOtvorit, Pripona);
    if (!cesta.isEmpty())
        nacitatSubor(cesta);
    doEditora();
}

bool TfrmPoznamky::btnSaveClick() {
    const QString cesta = DialogService::instance().saveFile(
        this, QStringLiteral("Zálohovať do súboru"),
        QDir::home().filePath(QStringLiteral("Poznamky")), FilterUlozit, Pripona);
    const bool zapisane = !cesta.isEmpty() && zapisatSubor(cesta);
    doEditora();
    return zapisane;
}

void TfrmPoznamky::vymazat() {
    // Clearing is one step that "Späť" takes back; the empty paragraph starts plain.
    QTextCursor kurzor(RichEdit->document());
    kurzor.beginEditBlock();
    kurzor.select(QTextCursor::Document);
    kurzor.removeSelectedText();
    kurzor.setBlockFormat(QTextBlockFormat());
    kurzor.setBlockCharFormat(QTextCharFormat());
    kurzor.endEditBlock();
    RichEdit->setTextCursor(kurzor);
    RichEdit->setCurrentCharFormat(QTextCharFormat());
}

void TfrmPoznamky::btnNewClick() {
    const QMessageBox::StandardButton odpoved = DialogService::instance().message(
        this, QStringLiteral("Nový text"),
        QStringLiteral(
            "Celý existujúci text bude odstránený!\nChcete ho najskôr zálohovať do súboru?"),
        DialogService::Icon::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Cancel);
    // The text goes only once its backup is written; a cancelled or failed backup keeps it.
    if ((odpoved == QMessageBox::Yes && btnSaveClick()) || odpoved == QMessageBox::No)
        vymazat();
    doEditora();
}

void TfrmPoznamky::btnPrintClick() {
    QPrinter& tlaciaren = kontext.tlaciaren();
    if (DialogService::instance().print(this, tlaciaren)) {
        tlaciaren.setDocName(QString());
        RichEdit->document()->print(&tlaciaren);
        if (tlaciaren.printerState() == QPrinter::Error)
            showError(this, QStringLiteral("Chyba"),
                      QStringLiteral("Text sa nepodarilo vytlačiť,\ntlačiareň nie je dostupná."));
    }
    doEditora();
}

// ---- saving and leaving ----

void TfrmPoznamky::btnUlozitClick() {
    if (!btnUlozit->isEnabled())
        return;
    SettingsRow& s = kontext.tblAgendaNastavenie();
    s.edit();
    try {
        s.setText(QStringLiteral("Poznamky"),
                  QString::fromLatin1(rtf::zapisat(*RichEdit->document())));
        s.post();
    } catch (...) {
        s.cancel(); // the window stays open with the text
        throw;
    }
    accept();
}

void TfrmPoznamky::btnZrusitClick() {
    reject();
}

} // namespace saldovia
