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

// Qt 6 asks for the standard button texts in a context that Debian's Slovak catalogue
// does not have yet (it still files them under QDialogButtonBox); this supplies them.
class TextyTlacidiel : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return {};
        static const QHash<QByteArray, QString> texty = {
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
            {"Cancel", QStringLiteral("Zrušiť")},
            {"Discard", QStringLiteral("Zahodiť")},
            {"Help", QStringLiteral("Pomocník")},
            {"Apply", QStringLiteral("Použiť")},
            {"Reset", QStringLiteral("Obnoviť")},
            {"Restore Defaults", QStringLiteral("Obnoviť predvolené")},
            {"Don't Save", QStringLiteral("Neukladať")},
            {"Close without Saving", QStringLiteral("Zavrieť bez uloženia")},
        };
        return texty.value(QByteArray(source));
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
    auto* tlacidla = new TextyTlacidiel;
    tlacidla->setParent(&app);
    QApplication::installTranslator(tlacidla);
    for (const char* name : {"qtbase_sk", "qt_sk"}) {
        auto* t = new QTranslator(&app);
        if (t->load(QString::fromLatin1(name), dir))
            QApplication::installTranslator(t);
        else
            delete t;
    }
}

} // namespace saldovia
