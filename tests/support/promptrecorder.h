// Test stand-in for the message and input boxes: records what would have
// been shown and answers input boxes from a queue (empty = Cancel) and
// questions from another (empty = No).
#pragma once

#include "base/prompt.h"

#include <QList>
#include <QStringList>

class PromptRecorder : public prompt::Handler {
public:
    PromptRecorder() { prompt::setHandler(this); }
    ~PromptRecorder() override { prompt::setHandler(nullptr); }
    PromptRecorder(const PromptRecorder&) = delete;
    PromptRecorder& operator=(const PromptRecorder&) = delete;

    void message(QWidget*, const prompt::Message& m) override { messages.append(m); }
    QString input(QWidget*, const prompt::Input& in) override
    {
        inputs.append(in);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    bool question(QWidget*, const prompt::Message& q) override
    {
        questions.append(q);
        return !yesNo.isEmpty() && yesNo.takeFirst();
    }

    QList<prompt::Message> messages;
    QList<prompt::Input> inputs;
    QStringList answers;
    QList<prompt::Message> questions;
    QList<bool> yesNo;
};
