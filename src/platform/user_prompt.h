#pragma once

#include <QString>

// The caption of every warning and question the clock shows.
inline QString WarningCaption() {
    return QStringLiteral("警告");
}

// Message boxes and yes/no questions. Windows show them through this interface so that
// tests can answer them and headless commands can print them instead of blocking.
class UserPrompt {
public:
    enum class Answer { Yes, No };

    virtual ~UserPrompt() = default;
    // A message with an OK button. An empty caption gives a plain box with the program's title.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
    // A question with Yes and No buttons.
    virtual Answer Ask(const QString& caption, const QString& text) = 0;
};

// For commands that run without a window: writes "CAPTION: TEXT" to stderr and lets every
// question take its default answer.
class StderrPrompt : public UserPrompt {
public:
    explicit StderrPrompt(Answer defaultAnswer = Answer::No) : defaultAnswer_(defaultAnswer) {}
    void ShowMessage(const QString& caption, const QString& text) override;
    Answer Ask(const QString& caption, const QString& text) override;

private:
    Answer defaultAnswer_;
};
