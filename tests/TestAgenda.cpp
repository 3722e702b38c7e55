#include "TestAgenda.h"

#include <QFile>

#include <stdexcept>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

TestAgenda::TestAgenda() {
    if (!dir_.isValid() || !QFile::copy(QStringLiteral(PREPARED_AGENDA), path()))
        throw std::runtime_error("cannot copy the prepared agenda");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList vDetskomProcese(const std::function<QStringList()>& f) {
    int rura[2];
    if (::pipe(rura) != 0)
        return {QStringLiteral("SKIP")};
    const pid_t dieta = ::fork();
    if (dieta == 0) {
        ::close(rura[0]);
        const QByteArray b = f().join(u'\n').toUtf8();
        (void)!::write(rura[1], b.constData(), b.size());
        ::_exit(0);
    }
    ::close(rura[1]);
    QByteArray odpoved;
    char buf[4096];
    for (ssize_t n; (n = ::read(rura[0], buf, sizeof buf)) > 0;)
        odpoved.append(buf, n);
    ::close(rura[0]);
    ::waitpid(dieta, nullptr, 0);
    return QString::fromUtf8(odpoved).split(u'\n');
}

QStringList akoPouzivatel(const std::function<QStringList()>& f) {
    return vDetskomProcese([&f] {
        constexpr uid_t Nikto = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nikto) != 0 || ::setuid(Nikto) != 0))
            return QStringList{QStringLiteral("SKIP")};
        return f();
    });
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void TestUlozenia::init() {
    agenda = std::make_unique<TestAgenda>();
    store = std::make_unique<saldovia::Store>();
    store->connectAgenda(agenda->path());
    pripravit();
}

void TestUlozenia::cleanup() {
    upratat();
    store.reset();
    agenda.reset();
}
