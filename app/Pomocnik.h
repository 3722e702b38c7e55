#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

#include <optional>

class QTextBrowser;
class QListWidget;

namespace saldovia {

// The help file: a first line "Saldovia Pomocník 1", then topics, each opened by a line
// "=== <context> | <title>" and followed by an HTML fragment whose links to other topics
// read href="kontext:N".
class HelpFile {
public:
    struct Topic {
        QString title;
        QString html;
    };
    // nullopt when the file is missing or is not a help file.
    static std::optional<HelpFile> load(const QString& path);
    static std::optional<HelpFile> parse(const QString& text);

    const QMap<int, Topic>& topics() const { return topics_; }
    bool contains(int context) const { return topics_.contains(context); }
    // The contents page: every topic's title as a link.
    QString contentsHtml() const;

private:
    QMap<int, Topic> topics_;
};

// The help window: the contents on the left, the topic on the right, links between them.
class TfrmPomocnik : public QDialog {
    Q_OBJECT
public:
    TfrmPomocnik(const HelpFile& file, QWidget* parent);
    void zobrazit(int context);
    int aktualnyKontext() const { return aktualny_; }

private:
    void otvoritOdkaz(const QUrl& url);
    HelpFile file_;
    QTextBrowser* text_;
    QListWidget* obsah_;
    int aktualny_ = -1;
};

} // namespace saldovia
