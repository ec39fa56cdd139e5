#pragma once

#include <QString>

/// The message boxes the program shows: one question, one answer. Windows
/// are given an implementation, so a test can answer in the user's place.
class MessageBoxes
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct Request
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok; ///< for YesNo(Cancel): one of its buttons
    };

    virtual ~MessageBoxes() = default;
    virtual Answer ask(const Request &request) = 0;

    /// The application's title, the caption of notices and errors.
    static QString appTitle() { return QStringLiteral("Quendra"); }

    /// A notice or error with the OK button, titled with the application's title.
    Answer notify(const QString &text, Icon icon)
    {
        return ask({text, appTitle(), icon, Buttons::Ok, Answer::Ok});
    }

    /// A Yes/No question titled "ATTENZIONE".
    Answer question(const QString &text, Icon icon, Answer defaultButton)
    {
        return ask({text, QStringLiteral("ATTENZIONE"), icon, Buttons::YesNo, defaultButton});
    }
};
