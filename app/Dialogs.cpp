#include "Dialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace saldovia {

namespace {
DialogService* installed = nullptr;
} // namespace

DialogService& DialogService::instance() {
    static QtDialogService qt;
    return installed ? *installed : qt;
}

void DialogService::install(DialogService* service) {
    installed = service;
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

QMessageBox::StandardButton QtDialogService::message(QWidget* parent, const QString& caption,
                                                     const QString& text, Icon icon,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton) {
    QMessageBox box(parent);
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
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

QString QtDialogService::openFile(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filter, const QString& defaultSuffix) {
    QFileDialog d(parent, caption, directory, filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(defaultSuffix);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

QString QtDialogService::saveFile(QWidget* parent, const QString& caption,
                                  const QString& proposedPath, const QString& filter,
                                  const QString& defaultSuffix) {
    QFileDialog d(parent, caption, QString(), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(defaultSuffix);
    d.selectFile(proposedPath);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

bool QtDialogService::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog d(&printer, parent);
    d.setWindowTitle(QStringLiteral("Nastavenie tlače"));
    d.setOption(QAbstractPrintDialog::PrintToFile, false);
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return d.exec() == QDialog::Accepted;
}

bool QtDialogService::pageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog d(&printer, parent);
    return d.exec() == QDialog::Accepted;
}

bool QtDialogService::print(QWidget* parent, QPrinter& printer) {
    QPrintDialog d(&printer, parent);
    return d.exec() == QDialog::Accepted;
}

} // namespace saldovia
