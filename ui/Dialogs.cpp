#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace saldovia {

namespace {
DialogService* installed = nullptr;
std::function<void(QWidget*)> pomocnikDialogov;

bool naObrazovke(const QWidget* w) {
    return w && w->isVisible() && !w->isMinimized();
}

// The save dialog: a file in a folder that does not exist is refused, the dialog stays.
class UkladaciDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override {
        const QStringList subory = selectedFiles();
        if (!subory.isEmpty()) {
            const QFileInfo subor(subory.constFirst());
            if (!subor.isDir() && !subor.absoluteDir().exists()) {
                showWarning(this, windowTitle(),
                            QStringLiteral("Priečinok %1 neexistuje.\nVyberte priečinok, ktorý "
                                           "existuje.")
                                .arg(QDir::toNativeSeparators(subor.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

QWidget* viditelneOkno(QWidget* parent) {
    for (QWidget* w = parent; w; w = w->parentWidget()) {
        w = w->window();
        if (naObrazovke(w))
            return w;
    }
    if (QWidget* m = QApplication::activeModalWidget(); naObrazovke(m))
        return m;
    if (QWidget* a = QApplication::activeWindow(); naObrazovke(a))
        return a;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(t) && naObrazovke(t))
            return t;
    return parent;
}

DialogService& DialogService::instance() {
    static QtDialogService qt;
    return installed ? *installed : qt;
}

void DialogService::install(DialogService* service) {
    installed = service;
}

QString DialogService::openFileWithPlaces(QWidget* parent, const QString& caption,
                                          const QString& directory, const QStringList&,
                                          const QString& filter, const QString& defaultSuffix) {
    return openFile(parent, caption, directory, filter, defaultSuffix);
}

QStringList DialogService::openFiles(QWidget* parent, const QString& caption,
                                     const QString& directory, const QString& filter) {
    const QString path = openFile(parent, caption, directory, filter, QString());
    return path.isEmpty() ? QStringList() : QStringList{path};
}

QString DialogService::openFolder(QWidget*, const QString&, const QString&) {
    return {};
}

bool DialogService::color(QWidget*, QColor&) {
    return false;
}

bool DialogService::font(QWidget*, QFont&, QColor&) {
    return false;
}

PomocnikDialogov::PomocnikDialogov(std::function<void(QWidget*)> otvorit)
    : predosly_(std::exchange(pomocnikDialogov, std::move(otvorit))) {}

PomocnikDialogov::~PomocnikDialogov() {
    pomocnikDialogov = std::move(predosly_);
}

void PomocnikDialogov::pripojit(QDialog* dialog) {
    if (!pomocnikDialogov)
        return;
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    f1->setObjectName(QStringLiteral("scPomocnik"));
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, dialog,
                     [dialog, otvorit = pomocnikDialogov] { otvorit(dialog); });
}

void showError(QWidget* parent, const QString& caption, const QString& text) {
    DialogService::instance().message(parent, caption, text, DialogService::Icon::Critical,
                                      QMessageBox::Ok, QMessageBox::Ok);
}

void showWarning(QWidget* parent, const QString& caption, const QString& text) {
    DialogService::instance().message(parent, caption, text, DialogService::Icon::Warning,
                                      QMessageBox::Ok, QMessageBox::Ok);
}

void showInformation(QWidget* parent, const QString& caption, const QString& text) {
    DialogService::instance().message(parent, caption, text, DialogService::Icon::Information,
                                      QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
              DialogService::Icon icon, QMessageBox::StandardButton defaultButton) {
    return DialogService::instance().message(parent, caption, text, icon,
                                             QMessageBox::Yes | QMessageBox::No,
                                             defaultButton) == QMessageBox::Yes;
}

void pismenaBezDiakritiky(QWidget* okno, bool ajBezAlt) {
    for (QAbstractButton* b : okno->findChildren<QAbstractButton*>()) {
        const QString text = b->text();
        const qsizetype i = text.indexOf(u'&');
        if (i < 0 || i + 1 >= text.size() || text[i + 1] == u'&')
            continue;
        const QString rozlozene = text[i + 1].decomposition();
        if (rozlozene.isEmpty() || rozlozene[0].unicode() > 0x7f || !rozlozene[0].isLetter())
            continue;
        const int kluc = Qt::Key_A + (rozlozene[0].toUpper().unicode() - u'A');
        for (const QKeyCombination k :
             {QKeyCombination(Qt::AltModifier, Qt::Key(kluc)), QKeyCombination(Qt::Key(kluc)),
              QKeyCombination(Qt::ShiftModifier, Qt::Key(kluc))}) {
            if (!(k.keyboardModifiers() & Qt::AltModifier) && !ajBezAlt)
                continue;
            auto* skratka = new QShortcut(QKeySequence(k), b);
            skratka->setContext(Qt::WindowShortcut);
            QObject::connect(skratka, &QShortcut::activated, b, [b] {
                if (b->isEnabled() && b->isVisible())
                    b->animateClick();
            });
        }
    }
}

QMessageBox::StandardButton QtDialogService::message(QWidget* parent, const QString& caption,
                                                     const QString& text, Icon icon,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton) {
    QMessageBox box(viditelneOkno(parent));
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    pismenaBezDiakritiky(&box, true);
    // As wide as its title needs, so that the window manager shows the title whole.
    if (auto* mriezka = qobject_cast<QGridLayout*>(box.layout())) {
        QFont tucne = box.font();
        tucne.setBold(true);
        const int sirka = QFontMetrics(tucne).horizontalAdvance(caption) + 140;
        mriezka->addItem(new QSpacerItem(sirka, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         mriezka->rowCount(), 0, 1, mriezka->columnCount());
    }
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    PomocnikDialogov::pripojit(&box);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

QString QtDialogService::openFile(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filter, const QString& defaultSuffix) {
    return openFileWithPlaces(parent, caption, directory, {}, filter, defaultSuffix);
}

QString QtDialogService::openFileWithPlaces(QWidget* parent, const QString& caption,
                                            const QString& directory, const QStringList& places,
                                            const QString& filter, const QString& defaultSuffix) {
    QFileDialog d(viditelneOkno(parent), caption, directory, filter);
    if (!places.isEmpty()) {
        QList<QUrl> urls = d.sidebarUrls();
        for (const QString& p : places)
            if (!urls.contains(QUrl::fromLocalFile(p)))
                urls << QUrl::fromLocalFile(p);
        d.setSidebarUrls(urls);
    }
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(defaultSuffix);
    PomocnikDialogov::pripojit(&d);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

QString QtDialogService::saveFile(QWidget* parent, const QString& caption,
                                  const QString& proposedPath, const QString& filter,
                                  const QString& defaultSuffix) {
    UkladaciDialog d(viditelneOkno(parent), caption, QString(), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(defaultSuffix);
    d.selectFile(proposedPath);
    PomocnikDialogov::pripojit(&d);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

QStringList QtDialogService::openFiles(QWidget* parent, const QString& caption,
                                       const QString& directory, const QString& filter) {
    QFileDialog d(parent, caption, directory, filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFiles);
    if (d.exec() != QDialog::Accepted)
        return {};
    return d.selectedFiles();
}

QString QtDialogService::openFolder(QWidget* parent, const QString& caption,
                                    const QString& directory) {
    QFileDialog d(parent, caption, directory);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

bool QtDialogService::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog d(&printer, viditelneOkno(parent));
    d.setObjectName(QStringLiteral("PrinterSetupDialog"));
    d.setWindowTitle(QStringLiteral("Nastavenie tlače"));
    d.setOption(QAbstractPrintDialog::PrintToFile, false);
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // The set-up only chooses the printer and its settings: its button does not print.
    for (QDialogButtonBox* tlacidla : d.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = tlacidla->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("&OK"));
    return d.exec() == QDialog::Accepted;
}

bool QtDialogService::pageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog d(&printer, viditelneOkno(parent));
    return d.exec() == QDialog::Accepted;
}

bool QtDialogService::print(QWidget* parent, QPrinter& printer) {
    QPrintDialog d(&printer, viditelneOkno(parent));
    return d.exec() == QDialog::Accepted;
}

bool QtDialogService::color(QWidget* parent, QColor& color) {
    const QColor c = QColorDialog::getColor(color, viditelneOkno(parent), QStringLiteral("Farba"));
    if (!c.isValid())
        return false;
    color = c;
    return true;
}

namespace {

// The colours the font dialog offers for the text.
struct FarbaPisma {
    QRgb rgb;
    const char* nazov;
};
const FarbaPisma FarbyPisma[] = {
    {0x000000, "Čierna"},      {0x800000, "Gaštanová"},  {0x008000, "Zelená"},
    {0x808000, "Olivová"},     {0x000080, "Tmavomodrá"}, {0x800080, "Fialová"},
    {0x008080, "Modrozelená"}, {0x808080, "Sivá"},       {0xC0C0C0, "Strieborná"},
    {0xFF0000, "Červená"},     {0x00FF00, "Limetková"},  {0xFFFF00, "Žltá"},
    {0x0000FF, "Modrá"},       {0xFF00FF, "Purpurová"},  {0x00FFFF, "Azúrová"},
    {0xFFFFFF, "Biela"},
};

QIcon vzorkaFarby(const QColor& c) {
    QPixmap p(22, 12);
    p.fill(c);
    QPainter painter(&p);
    painter.setPen(Qt::gray);
    painter.drawRect(p.rect().adjusted(0, 0, -1, -1));
    return QIcon(p);
}

} // namespace

bool QtDialogService::font(QWidget* parent, QFont& font, QColor& color) {
    // Qt's font dialog has no colour: it is embedded here with a colour list beside it.
    // The dialog finds the preset style by its translated name, which the font's own style
    // names never match in Slovak: the font is given the name of its style itself.
    if (font.styleName().isEmpty()) {
        const QString rodina = font.family();
        for (const QString& styl : QFontDatabase::styles(rodina))
            if (QFontDatabase::bold(rodina, styl) == font.bold() &&
                QFontDatabase::italic(rodina, styl) == font.italic()) {
                font.setStyleName(styl);
                break;
            }
    }
    QDialog d(viditelneOkno(parent));
    d.setObjectName(QStringLiteral("FontDialog"));
    d.setWindowTitle(QStringLiteral("Písmo"));
    auto* pismo = new QFontDialog(font, &d);
    pismo->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    pismo->setWindowFlags(Qt::Widget);
    pismo->setSizeGripEnabled(false);
    auto* farba = new QComboBox;
    farba->setObjectName(QStringLiteral("cbFarba"));
    for (const FarbaPisma& f : FarbyPisma)
        farba->addItem(vzorkaFarby(QColor(f.rgb)), QString::fromUtf8(f.nazov), QColor(f.rgb));
    const QColor povodna = color.isValid() ? color.toRgb() : QColor(Qt::black);
    int i = farba->findData(povodna);
    if (i < 0) {
        farba->addItem(vzorkaFarby(povodna), QStringLiteral("Vlastná"), povodna);
        i = farba->count() - 1;
    }
    farba->setCurrentIndex(i);
    auto* lblFarba = new QLabel(QStringLiteral("&Farba:"));
    lblFarba->setBuddy(farba);
    auto* tlacidla = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(tlacidla, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(tlacidla, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* dole = new QHBoxLayout;
    dole->addWidget(lblFarba);
    dole->addWidget(farba);
    dole->addStretch();
    dole->addWidget(tlacidla);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(pismo);
    layout->addLayout(dole);
    if (d.exec() != QDialog::Accepted)
        return false;
    font = pismo->currentFont();
    color = farba->currentData().value<QColor>();
    return true;
}

} // namespace saldovia
