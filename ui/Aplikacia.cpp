#include "Aplikacia.h"

#include "Dialogs.h"

#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Resources of a static library are registered by name, outside any namespace.
static void registrovatIkony() {
    Q_INIT_RESOURCE(ikony);
}

namespace saldovia {

namespace {

// The texts of Qt's own dialogs that Debian's Slovak catalogue lacks, asked after the
// catalogues: the standard buttons, which Qt 6 asks in a context the catalogue does not have
// yet (it still files them under QDialogButtonBox), and what newer Qt versions added to the
// colour, font, file and print dialogs.
class TextyDialogov : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        if (!context || !source)
            return {};
        const auto kontext = texty().constFind(QByteArray(context));
        if (kontext == texty().constEnd())
            return {};
        return kontext->value(QByteArray(source));
    }

private:
    using Texty = QHash<QByteArray, QString>;
    static const QHash<QByteArray, Texty>& texty() {
        static const QHash<QByteArray, Texty> t = {
            {"QPlatformTheme",
             {
                 {"OK", QStringLiteral("OK")},
                 {"&OK", QStringLiteral("&OK")},
                 {"Save", QStringLiteral("Uložiť")},
                 {"&Save", QStringLiteral("&Uložiť")},
                 {"Save All", QStringLiteral("Uložiť všetko")},
                 {"Open", QStringLiteral("Otvoriť")},
                 {"&Yes", QStringLiteral("&Áno")},
                 {"Yes to &All", QStringLiteral("Áno pre &všetko")},
                 {"&No", QStringLiteral("&Nie")},
                 {"N&o to All", QStringLiteral("N&ie pre všetko")},
                 {"Abort", QStringLiteral("Prerušiť")},
                 {"Retry", QStringLiteral("Skúsiť znova")},
                 {"Ignore", QStringLiteral("Ignorovať")},
                 {"Close", QStringLiteral("Zavrieť")},
                 {"Cancel", QStringLiteral("&Zrušiť")},
                 {"Discard", QStringLiteral("Zahodiť")},
                 {"Help", QStringLiteral("Pomocník")},
                 {"Apply", QStringLiteral("Použiť")},
                 {"Reset", QStringLiteral("Obnoviť")},
                 {"Restore Defaults", QStringLiteral("Obnoviť predvolené")},
                 {"Don't Save", QStringLiteral("Neukladať")},
                 {"Close without Saving", QStringLiteral("Zavrieť bez uloženia")},
             }},
            {"QColorDialog",
             {
                 {"&Pick Screen Color", QStringLiteral("&Vybrať farbu z obrazovky")},
                 {"&HTML:", QStringLiteral("&HTML:")},
                 {"Cursor at %1, %2\nPress ESC to cancel",
                  QStringLiteral("Kurzor na %1, %2\nStlačením Esc zrušíte výber")},
             }},
            {"QPrintDialog",
             {
                 {"All Pages", QStringLiteral("Všetky strany")},
                 {"Odd Pages", QStringLiteral("Nepárne strany")},
                 {"Even Pages", QStringLiteral("Párne strany")},
                 {"Left to Right, Top to Bottom", QStringLiteral("Zľava doprava, zhora nadol")},
                 {"Left to Right, Bottom to Top", QStringLiteral("Zľava doprava, zdola nahor")},
                 {"Right to Left, Bottom to Top", QStringLiteral("Sprava doľava, zdola nahor")},
                 {"Right to Left, Top to Bottom", QStringLiteral("Sprava doľava, zhora nadol")},
                 {"Bottom to Top, Left to Right", QStringLiteral("Zdola nahor, zľava doprava")},
                 {"Bottom to Top, Right to Left", QStringLiteral("Zdola nahor, sprava doľava")},
                 {"Top to Bottom, Left to Right", QStringLiteral("Zhora nadol, zľava doprava")},
                 {"Top to Bottom, Right to Left", QStringLiteral("Zhora nadol, sprava doľava")},
                 {"1 (1x1)", QStringLiteral("1 (1 × 1)")},
                 {"2 (2x1)", QStringLiteral("2 (2 × 1)")},
                 {"4 (2x2)", QStringLiteral("4 (2 × 2)")},
                 {"6 (2x3)", QStringLiteral("6 (2 × 3)")},
                 {"9 (3x3)", QStringLiteral("9 (3 × 3)")},
                 {"16 (4x4)", QStringLiteral("16 (4 × 4)")},
             }},
            {"QPageSetupWidget",
             {
                 {"Page Layout", QStringLiteral("Rozloženie strany")},
                 {"Page order:", QStringLiteral("Poradie strán:")},
                 {"Pages per sheet:", QStringLiteral("Strán na hárok:")},
                 {"Custom", QStringLiteral("Vlastná")},
             }},
        };
        return t;
    }
};

} // namespace

Aplikacia::Aplikacia(int& argc, char** argv) : QApplication(argc, argv) {}

bool Aplikacia::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(activeWindow(), QStringLiteral("Chyba"), QString::fromUtf8(e.what()));
    }
    return false;
}

void nastavitAplikaciu(QApplication& app) {
    registrovatIkony();
    QApplication::setApplicationName(QStringLiteral("Saldovia"));
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* dialogy = new TextyDialogov;
    dialogy->setParent(&app);
    QApplication::installTranslator(dialogy);
    for (const char* name : {"qtbase_sk", "qt_sk"}) {
        auto* t = new QTranslator(&app);
        if (t->load(QString::fromLatin1(name), dir))
            QApplication::installTranslator(t);
        else
            delete t;
    }
}

} // namespace saldovia
