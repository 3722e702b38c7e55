#include "Umiestnenie.h"

#include "store/Agenda.h"
#include "store/Subory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace saldovia {

namespace {
const QString SuborAgendy = QStringLiteral("Data.mdb");

// Creates the folder and those missing above it for the owner only: the user's agenda and
// exams are nobody else's to read.
bool vytvoritSukromnyPriecinok(const QString& priecinok) {
    const QString cesta = QDir::cleanPath(QDir(priecinok).absolutePath());
    if (QFileInfo(cesta).isDir())
        return true;
    const QString nad = QFileInfo(cesta).absolutePath();
    if (nad != cesta && !vytvoritSukromnyPriecinok(nad))
        return false;
    return QDir().mkdir(cesta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(cesta).isDir();
}

} // namespace

QString instalovanePriecinokDat() {
    return QStringLiteral(SALDOVIA_DATA_FROM_BIN);
}

Umiestnenie urcitUmiestnenie(const QString& programDir, bool programDirZapisovatelny,
                             const QString& instalovaneData, const QString& uzivatelskyPriecinok) {
    Umiestnenie u;
    const bool instalovany =
        !instalovaneData.isEmpty() && QFileInfo(QDir(instalovaneData), SuborAgendy).isFile();
    u.data = instalovany ? QDir::cleanPath(instalovaneData) : programDir;
    const bool prenosny = QFileInfo(QDir(programDir), SuborAgendy).isFile() ||
                          (!instalovany && programDirZapisovatelny);
    if (prenosny || uzivatelskyPriecinok.isEmpty()) {
        u.agenda = programDir;
        return u;
    }
    u.agenda = QDir::cleanPath(uzivatelskyPriecinok);
    const QString agenda = QDir(u.agenda).filePath(SuborAgendy);
    if (QFileInfo::exists(agenda))
        return u;
    if (!vytvoritSukromnyPriecinok(u.agenda)) {
        u.chyba =
            QStringLiteral("Priečinok %1 sa nedá vytvoriť: %2")
                .arg(QDir::toNativeSeparators(u.agenda), popisChybySystemu(poslednaChybaSystemu()));
        return u;
    }
    const QString pripravena = QDir(u.data).filePath(SuborAgendy);
    if (!QFileInfo::exists(pripravena))
        return u;
    // Written beside the target and renamed into place: a half-copied agenda never appears.
    if (const FileResult r = replaceFileWith(pripravena, agenda); !r)
        u.chyba = r.error;
    return u;
}

QString priecinokUkazky(const QString& datovyPriecinok) {
    if (datovyPriecinok.isEmpty())
        return {};
    const QDir data(datovyPriecinok);
    for (const QString& priecinok : {data.path(), data.filePath(QStringLiteral("../ukazka"))})
        if (QFileInfo(QDir(priecinok), QStringLiteral("Ukazka.mdb")).isFile())
            return QDir::cleanPath(QFileInfo(priecinok).absoluteFilePath());
    return {};
}

Umiestnenie umiestnenieProgramu() {
    const QString program = QCoreApplication::applicationDirPath();
    return urcitUmiestnenie(program, QFileInfo(program).isWritable(),
                            QDir(program).filePath(instalovanePriecinokDat()),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace saldovia
