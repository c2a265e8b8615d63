// The pane of the post's look window: a post's forum code drawn as the
// forum will show it. Pictures of the program's own sites come from the
// delivered files, animated ones playing while the pane is shown; any other
// address is a framed placeholder naming it. Nothing is fetched from the
// network and links are never followed.
#pragma once

#include "base/forumcode/engine.h"
#include "base/localpictures.h"

#include <QHash>
#include <QPixmap>
#include <QTextEdit>

#include <map>
#include <optional>

class QMovie;

class PostLookView : public QTextEdit {
    Q_OBJECT
public:
    explicit PostLookView(QWidget* parent = nullptr);
    ~PostLookView() override;

    void setLocalPictures(std::optional<LocalPictures> pictures);

    // Draws the post anew as the engine reads it, keeping the scroll
    // position (a look scrolled to its end stays at the end as the post
    // grows).
    void showPost(const QString& post, forumcode::Engine engine = forumcode::Engine::Classic);

    // Whether some animated picture is playing.
    bool isAnimating() const;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Animation {
        QMovie* movie = nullptr;
        QList<QUrl> names; // the document's names for it
    };

    QPixmap localPicture(const QString& file, const QUrl& name);
    QPixmap placeholder(const QString& address);
    void forget(Animation& animation);
    void setPlaying(bool playing);

    std::optional<LocalPictures> pictures_;
    // Pictures as the post wrote them, by the document's name for them.
    QHash<QString, QString> addresses_;
    // Decoded delivered pictures, by file: a post shows the same few
    // pictures again and again.
    QHash<QString, QPixmap> stills_;
    std::map<QString, Animation> animations_;
    QHash<QString, QPixmap> placeholders_;
    bool playing_ = false;
};
