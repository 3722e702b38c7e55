#pragma once

#include "ui/Okna.h"

#include <QTextCursor>

class QAction;
class QActionGroup;
class QComboBox;
class QKeyEvent;
class QMenu;
class QPushButton;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QToolButton;

namespace saldovia {

class TReplaceDialog;

// "Poznámky": the agenda's rich-text notebook, kept in the settings row's Poznamky column.
// In an exam agenda it shows the exam's assignment ("Zadanie") and cannot save it back.
class TfrmPoznamky : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmPoznamky(Kontext& kontext);

    // Puts the toolbar and the pop-up menu in line with the text at the caret.
    void RichEditChange();

    void btnNewClick();
    void btnOpenClick();
    // True when the text was written to a file.
    bool btnSaveClick();
    void btnPrintClick();
    void btnFindClick();
    void btnCutClick();
    void btnCopyClick();
    void btnPasteClick();
    void btnUndoClick();
    void btnBoldClick();
    void btnItalicClick();
    void btnUnderlineClick();
    void btnColorClick();
    void btnAlignClick(QObject* sender);
    void btnBulletsClick();
    void pmOdstranitClick();
    void pmVybratVsetkoClick();
    void pmPismoClick();
    void pmZarovnatClick(QObject* sender);
    void pmOdrazkyClick();
    void cbFontNameChange();
    void cbFontSizeChange();
    // The typing rules of the size box; true when the key was taken over.
    bool cbFontSizeKeyPress(QKeyEvent* e);
    void ReplaceDialogFind();
    void ReplaceDialogReplace();
    void btnUlozitClick();
    void btnZrusitClick();

    // Loads an .rtf file as rich text or a .txt file as plain text in place of the text.
    // Refuses (with a message, leaving the text as it was) a file too large, unreadable,
    // not of its kind or damaged. True when loaded.
    bool nacitatSubor(const QString& cesta);
    // Writes the text as rich text to the file in one step; a message when it fails.
    bool zapisatSubor(const QString& cesta);

    const QString& poslednyHladanyText() const { return poslednyHladany_; }

    // Files larger than this are not loaded.
    static constexpr qint64 NajvacsiSubor = 16 * 1024 * 1024;
    // Alignment values carried by the align buttons and menu items.
    static constexpr int ZarovnatVlavo = 0;
    static constexpr int ZarovnatVpravo = 1;
    static constexpr int ZarovnatNaStred = 2;

    QWidget* SpeedBar;
    QToolButton* btnNew;
    QToolButton* btnOpen;
    QToolButton* btnSave;
    QToolButton* btnPrint;
    QToolButton* btnFind;
    QToolButton* btnCut;
    QToolButton* btnCopy;
    QToolButton* btnPaste;
    QToolButton* btnUndo;
    QToolButton* btnBold;
    QToolButton* btnItalic;
    QToolButton* btnUnderline;
    QToolButton* btnColor;
    QToolButton* btnAlignLeft;
    QToolButton* btnAlignCenter;
    QToolButton* btnAlignRight;
    QToolButton* btnBullets;
    QComboBox* cbFontName;
    QComboBox* cbFontSize;
    QTextEdit* RichEdit;
    QPushButton* btnUlozit;
    QPushButton* btnZrusit;
    QMenu* PopupMenu;
    QAction* pmSpat;
    QAction* pmVystrihnut;
    QAction* pmKopirovat;
    QAction* pmPrilepit;
    QAction* pmOdstranit;
    QAction* pmVybratVsetko;
    QAction* pmHladat;
    QAction* pmPismo;
    QMenu* pmZarovnat;
    QAction* pmVlavo;
    QAction* pmCentrovat;
    QAction* pmVpravo;
    QAction* pmOdrazky;
    TReplaceDialog* ReplaceDialog;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void vytvoritOvladace();
    void FormCreate();
    // A new document with the editor's defaults, to be filled and then shown.
    QTextDocument* novyDokument();
    void zobrazitDokument(QTextDocument* doc);
    void vymazat();
    void nastavitZarovnanie(int hodnota);
    void pridatFormat(const QTextCharFormat& f);
    void doEditora();
    // The next match of the search text from `od` that ends no later than `po`.
    QTextCursor hladat(const QString& co, int od, int po) const;
    // From `od` to the end, then from the beginning up to `od`.
    QTextCursor hladatDokola(const QString& co, int od) const;
    void nenaslo();
    // The found text is shown in the editor and the dialog moved off it.
    void ukazatNajdene();

public:
    // The selection's area on the screen (the caret's when nothing is selected).
    QRect oblastVyberu() const;

private:
    QString poslednyHladany_;
    QActionGroup* zarovnanie_ = nullptr;
};

} // namespace saldovia
