// Unspacer's only window: Form1 with the file list File1, and the run of the
// program around it.
#pragma once

#include <QWidget>

class QListWidget;

namespace unspacer {

class Form1 final : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);

    // Reads the current folder into File1 once and strips the blanks from
    // every listed file. On failure the message has been shown already and
    // false is returned; the window must then not be shown.
    bool formLoad();

    QListWidget* file1() const { return file1_; }

private:
    QListWidget* file1_;
};

// Loads the window and, when loading succeeded, shows it until it is closed.
// Returns the process exit status: 1 when the load failed.
int run(Form1& form);

} // namespace unspacer
