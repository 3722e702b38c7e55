#pragma once

#include "ui/Dialogs.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>

#include <optional>

// Answers the program's dialogs from a script and records every message, for tests.
// Without a scripted answer a message box gets its default button and a file dialog is
// cancelled. Installs itself for its lifetime.
class ScriptedDialogs : public saldovia::DialogService {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    ScriptedDialogs() { install(this); }
    ~ScriptedDialogs() override { install(nullptr); }

    QList<QMessageBox::StandardButton> answers; // for message boxes, in order
    QStringList files;                          // for open and save dialogs, in order
    QList<bool> printerAnswers;                 // for printer, page and print dialogs
    QList<Message> messages;                    // every message box shown
    QStringList fileCaptions;                   // every file dialog's caption
    QStringList proposedPaths;                  // every save dialog's proposed path
    QList<QStringList> fileLists;               // for dialogs choosing several files
    QStringList folders;                        // for folder dialogs, in order
    QStringList openDirectories;                // every open dialog's start folder, when known
    QList<QStringList> openPlaces;              // and the places it offered besides

    // Colour and font dialogs: each answer is taken in order; nullopt or no answer cancels.
    // What each dialog was preset with is recorded.
    struct FontChoice {
        QFont font;
        QColor color;
    };
    QList<std::optional<QColor>> colorAnswers;
    QList<std::optional<FontChoice>> fontAnswers;
    QList<QColor> colorPresets;
    QList<FontChoice> fontPresets;

    QStringList texts() const {
        QStringList t;
        for (const Message& m : messages)
            t << m.text;
        return t;
    }
    const Message& last() const { return messages.constLast(); }

    QMessageBox::StandardButton message(QWidget*, const QString& caption, const QString& text,
                                        Icon icon, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override {
        messages.append({caption, text, icon, buttons, defaultButton});
        return answers.isEmpty() ? defaultButton : answers.takeFirst();
    }
    QString openFile(QWidget*, const QString& caption, const QString&, const QString&,
                     const QString&) override {
        fileCaptions << caption;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString openFileWithPlaces(QWidget* parent, const QString& caption, const QString& directory,
                               const QStringList& places, const QString& filter,
                               const QString& suffix) override {
        openDirectories << directory;
        openPlaces << places;
        return openFile(parent, caption, directory, filter, suffix);
    }
    QString saveFile(QWidget*, const QString& caption, const QString& proposedPath, const QString&,
                     const QString&) override {
        fileCaptions << caption;
        proposedPaths << proposedPath;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QStringList openFiles(QWidget*, const QString& caption, const QString&,
                          const QString&) override {
        fileCaptions << caption;
        return fileLists.isEmpty() ? QStringList() : fileLists.takeFirst();
    }
    QString openFolder(QWidget*, const QString& caption, const QString&) override {
        fileCaptions << caption;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
    bool printerSetup(QWidget*, QPrinter&) override { return nextPrinterAnswer(); }
    bool pageSetup(QWidget*, QPrinter&) override { return nextPrinterAnswer(); }
    bool print(QWidget*, QPrinter&) override { return nextPrinterAnswer(); }
    bool color(QWidget*, QColor& color) override {
        colorPresets << color;
        const std::optional<QColor> a =
            colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
        if (a)
            color = *a;
        return a.has_value();
    }
    bool font(QWidget*, QFont& font, QColor& color) override {
        fontPresets << FontChoice{font, color};
        const std::optional<FontChoice> a =
            fontAnswers.isEmpty() ? std::nullopt : fontAnswers.takeFirst();
        if (a) {
            font = a->font;
            color = a->color;
        }
        return a.has_value();
    }

private:
    bool nextPrinterAnswer() {
        return printerAnswers.isEmpty() ? false : printerAnswers.takeFirst();
    }
};
