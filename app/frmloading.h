// The loading window shown while start-up reads the gallery pictures: a
// progress bar and a status line naming the picture just read.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

class FrmLoading : public QWidget {
    Q_OBJECT
public:
    explicit FrmLoading(QWidget* parent = nullptr);

    QProgressBar* pLoading() const { return pLoading_; }
    QLabel* lblStatus() const { return lblStatus_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    QProgressBar* pLoading_ = nullptr;
    QLabel* lblStatus_ = nullptr;
};
