// Test stand-in for the platform layer: records every request and answers
// with results the test chooses. Installed for its lifetime.
#pragma once

#include "base/platform/platform.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <utility>

class RecordingPlatform : public platform::Platform {
public:
    struct Layout {
        QString id;
        bool activate = false;
    };
    struct Opened {
        QString address;
        QString workingFolder;
        // Where the opener would report that it failed after starting.
        platform::LateFailure lateFailure;
    };
    struct OnTop {
        QPointer<QWidget> window;
        bool onTop = false;
    };
    struct Started {
        QString program;
        QString workingFolder;
    };

    RecordingPlatform() { platform::install(this); }
    ~RecordingPlatform() override { platform::install(nullptr); }
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    bool loadKeyboardLayout(const QString& id, bool activate) override
    {
        layouts.append({id, activate});
        return layoutResult;
    }
    platform::OpenResult openDocument(const QString& address, const QString& folder,
                                      platform::LateFailure lateFailure) override
    {
        opened.append({address, folder, std::move(lateFailure)});
        return openResult;
    }
    void setOnTop(QWidget* window, bool onTop) override { onTopCalls.append({window, onTop}); }
    void markToolWindow(QWidget* window) override { toolWindows.append(window); }
    bool startHidden(const QString& program, const QString& folder) override
    {
        started.append({program, folder});
        return startResult;
    }
    bool setFileHidden(const QString& path) override
    {
        hiddenFiles.append(path);
        return true;
    }
    bool usesVisualStylesManifest() const override { return manifestInForce; }

    // Just the layout identifiers asked for, in order.
    QStringList layoutIds() const
    {
        QStringList ids;
        for (const Layout& l : layouts)
            ids.append(l.id);
        return ids;
    }

    // The opener of request i, which had started, now fails with result,
    // as the desktop's opener does when it finds no browser.
    void failLater(qsizetype i,
                   platform::OpenResult result = {platform::OpenOutcome::NoAssociation}) const
    {
        if (opened.at(i).lateFailure)
            opened.at(i).lateFailure(result);
    }

    QList<Layout> layouts;
    QList<Opened> opened;
    QList<OnTop> onTopCalls;
    QList<QPointer<QWidget>> toolWindows; // marked before they were shown
    QList<Started> started;
    QStringList hiddenFiles;

    bool layoutResult = true;
    platform::OpenResult openResult;
    bool startResult = true;
    bool manifestInForce = false;
};
