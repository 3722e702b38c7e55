#include "Pomocnik.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace saldovia {

namespace {
const QString Hlavicka = QStringLiteral("Saldovia Pomocník 1");
const int KontextObsahu = 0;
} // namespace

std::optional<HelpFile> HelpFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(QString::fromUtf8(f.readAll()));
}

std::optional<HelpFile> HelpFile::parse(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);
    if (lines.isEmpty() || lines.first().trimmed() != Hlavicka)
        return std::nullopt;
    static const QRegularExpression header(QStringLiteral("^===\\s*(\\d+)\\s*\\|\\s*(.+)$"));
    HelpFile file;
    int current = -1;
    for (int i = 1; i < lines.size(); ++i) {
        const auto m = header.match(lines[i]);
        if (m.hasMatch()) {
            current = m.captured(1).toInt();
            file.topics_[current] = {m.captured(2).trimmed(), QString()};
        } else if (current >= 0) {
            file.topics_[current].html += lines[i] + u'\n';
        }
    }
    if (file.topics_.isEmpty())
        return std::nullopt;
    return file;
}

QString HelpFile::contentsHtml() const {
    QString html = QStringLiteral("<h2>Obsah pomocníka</h2><ul>");
    for (auto it = topics_.cbegin(); it != topics_.cend(); ++it)
        html += QStringLiteral("<li><a href=\"kontext:%1\">%2</a></li>")
                    .arg(QString::number(it.key()), it.value().title.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

TfrmPomocnik::TfrmPomocnik(const HelpFile& file, QWidget* parent) : QDialog(parent), file_(file) {
    setObjectName(QStringLiteral("TfrmPomocnik"));
    setWindowTitle(QStringLiteral("Pomocník"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(760, 540);

    obsah_ = new QListWidget;
    obsah_->setObjectName(QStringLiteral("lbObsah"));
    QListWidgetItem* contents = new QListWidgetItem(QStringLiteral("Obsah"), obsah_);
    contents->setData(Qt::UserRole, KontextObsahu);
    for (auto it = file_.topics().cbegin(); it != file_.topics().cend(); ++it) {
        auto* item = new QListWidgetItem(it.value().title, obsah_);
        item->setData(Qt::UserRole, it.key());
    }
    obsah_->setMinimumWidth(250);
    obsah_->setMaximumWidth(300);
    obsah_->setSpacing(1);
    connect(obsah_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            zobrazit(item->data(Qt::UserRole).toInt());
    });

    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("txtTema"));
    text_->setOpenLinks(false);
    text_->document()->setDefaultStyleSheet(
        QStringLiteral("h2 { color: #1F3A68; } h3 { color: #1F3A68; margin-top: 12px; } "
                       "a { color: #1F5FA8; } p, li { line-height: 130%; }"));
    connect(text_, &QTextBrowser::anchorClicked, this, &TfrmPomocnik::otvoritOdkaz);

    auto* zavriet = new QPushButton(QStringLiteral("&Zavrieť"));
    zavriet->setObjectName(QStringLiteral("btnZavriet"));
    connect(zavriet, &QPushButton::clicked, this, &QDialog::accept);
    auto* obsahBtn = new QPushButton(QStringLiteral("&Obsah"));
    obsahBtn->setObjectName(QStringLiteral("btnObsah"));
    connect(obsahBtn, &QPushButton::clicked, this, [this] { zobrazit(KontextObsahu); });

    auto* splitter = new QSplitter;
    splitter->addWidget(obsah_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(obsahBtn);
    buttons->addStretch();
    buttons->addWidget(zavriet);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
}

void TfrmPomocnik::zobrazit(int context) {
    if (context != KontextObsahu && !file_.contains(context))
        context = KontextObsahu;
    aktualny_ = context;
    if (context == KontextObsahu) {
        text_->setHtml(file_.contentsHtml());
    } else {
        const HelpFile::Topic& t = file_.topics()[context];
        text_->setHtml(QStringLiteral("<h2>%1</h2>").arg(t.title.toHtmlEscaped()) + t.html);
    }
    for (int i = 0; i < obsah_->count(); ++i) {
        if (obsah_->item(i)->data(Qt::UserRole).toInt() == context) {
            const QSignalBlocker block(obsah_);
            obsah_->setCurrentRow(i);
        }
    }
}

void TfrmPomocnik::otvoritOdkaz(const QUrl& url) {
    if (url.scheme() == QLatin1String("kontext"))
        zobrazit(url.path().toInt());
}

} // namespace saldovia
