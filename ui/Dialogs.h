#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QColor;
class QDialog;
class QFont;
class QPrinter;
class QWidget;

namespace saldovia {

// Every message box and standard dialog of the program goes through this service, so
// that tests can answer them. Real runs use the Qt dialogs.
class DialogService {
public:
    enum class Icon { Information, Warning, Critical, Question };

    virtual ~DialogService() = default;

    virtual QMessageBox::StandardButton message(QWidget* parent, const QString& caption,
                                                const QString& text, Icon icon,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    // Path of an existing file, or "" when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& directory,
                             const QString& filter, const QString& defaultSuffix) = 0;
    // openFile that offers the folders `places` beside the usual ones (the dialog's side
    // bar). A service without it offers the plain dialog.
    virtual QString openFileWithPlaces(QWidget* parent, const QString& caption,
                                       const QString& directory, const QStringList& places,
                                       const QString& filter, const QString& defaultSuffix);
    // Path to write (replacing an existing file was confirmed), or "" when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                             const QString& filter, const QString& defaultSuffix) = 0;
    // Paths of one or more existing files, or none when cancelled. A service without it
    // offers the single-file dialog.
    virtual QStringList openFiles(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filter);
    // Path of an existing folder, or "" when cancelled. A service without it answers as if
    // cancelled.
    virtual QString openFolder(QWidget* parent, const QString& caption, const QString& directory);
    // The printer set-up dialog; true when the user accepted it.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
    // The page set-up dialog; true when the user accepted it.
    virtual bool pageSetup(QWidget* parent, QPrinter& printer) = 0;
    // The print dialog before printing; true when the user chose to print.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    // The colour dialog preset with `color`; true when the user chose one, now in `color`.
    // A service without it answers as if cancelled.
    virtual bool color(QWidget* parent, QColor& color);
    // The font dialog preset with `font` and `color` (it offers the colour of the text as
    // well); true when the user confirmed, the choice then in `font` and `color`.
    // A service without it answers as if cancelled.
    virtual bool font(QWidget* parent, QFont& font, QColor& color);

    // The service in force; Qt dialogs unless another was installed.
    static DialogService& instance();
    // Installs a service (tests); nullptr restores the Qt dialogs. Not owned.
    static void install(DialogService* service);
};

// The window a message box or dialog for `parent` is centred on: the window of `parent`
// when it is on the screen, else the nearest shown window it was opened from (a window
// still being prepared is not shown yet), else the active modal window, the active window
// or the shown main window.
QWidget* viditelneOkno(QWidget* parent);

// While one is alive, F1 in the program's standard dialogs (message boxes and file dialogs)
// opens the help of the work they belong to, such as the hand-in's topic while a finished
// exam is handed in. The newest one counts.
class PomocnikDialogov {
public:
    explicit PomocnikDialogov(std::function<void(QWidget*)> otvorit);
    ~PomocnikDialogov();
    PomocnikDialogov(const PomocnikDialogov&) = delete;
    PomocnikDialogov& operator=(const PomocnikDialogov&) = delete;
    // Gives a standard dialog its F1 while a help is set.
    static void pripojit(QDialog* dialog);

private:
    std::function<void(QWidget*)> predosly_;
};

// Shorthands for the three kinds of message of the program.
// Buttons of `okno` whose mnemonic is a letter with a diacritic ("&Áno") also answer to the
// letter without it (Alt+A), which every keyboard has; with `ajBezAlt` to the plain letter
// too, as a message box takes its mnemonics.
void pismenaBezDiakritiky(QWidget* okno, bool ajBezAlt);

void showError(QWidget* parent, const QString& caption, const QString& text);       // "Chyba"
void showWarning(QWidget* parent, const QString& caption, const QString& text);     // exclamation
void showInformation(QWidget* parent, const QString& caption, const QString& text); // information
// A Yes/No question with No as the default; true for Yes.
bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
              DialogService::Icon icon = DialogService::Icon::Question,
              QMessageBox::StandardButton defaultButton = QMessageBox::No);

// The Qt dialogs.
class QtDialogService : public DialogService {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& caption,
                                        const QString& text, Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& directory,
                     const QString& filter, const QString& defaultSuffix) override;
    QString openFileWithPlaces(QWidget* parent, const QString& caption, const QString& directory,
                               const QStringList& places, const QString& filter,
                               const QString& defaultSuffix) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                     const QString& filter, const QString& defaultSuffix) override;
    QStringList openFiles(QWidget* parent, const QString& caption, const QString& directory,
                          const QString& filter) override;
    QString openFolder(QWidget* parent, const QString& caption, const QString& directory) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    bool pageSetup(QWidget* parent, QPrinter& printer) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    bool color(QWidget* parent, QColor& color) override;
    bool font(QWidget* parent, QFont& font, QColor& color) override;
};

} // namespace saldovia
