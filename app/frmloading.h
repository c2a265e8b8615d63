// The loading window shown while start-up reads the gallery pictures: a
// progress bar and a status line naming the picture just read.
#pragma once

#include "base/controls/backgroundpicture.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;

class FrmLoading : public QWidget {
    Q_OBJECT
public:
    // The background picture may come decoded already (or still decoding).
    explicit FrmLoading(std::shared_ptr<controls::BackgroundPicture> background = {},
                        QWidget* parent = nullptr);

    QProgressBar* pLoading() const { return pLoading_; }
    QLabel* lblStatus() const { return lblStatus_; }

    // A new range for the progress bar, starting at 0.
    void startProgress(int maximum);
    // Shows a status line and a progress value, no more often than a
    // screen can show them; the latest ones wait for the next frame.
    void showProgress(const QString& status, int value);
    // Shows the latest status and value now, e.g. before a message box.
    void flushProgress();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<controls::BackgroundPicture> background_;
    QProgressBar* pLoading_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QElapsedTimer lastShown_;
    QString pendingStatus_;
    int pendingValue_ = 0;
    bool pending_ = false;
};
