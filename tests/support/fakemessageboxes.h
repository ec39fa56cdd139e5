#pragma once

#include "messageboxes.h"

#include "urlopener.h"

#include <QList>
#include <QStringList>
#include <functional>

/// Records every message box the program would show and answers with the
/// answers a test queued (Ok for notices, then No once the queue is empty,
/// so an unexpected question never changes anything).
class FakeMessageBoxes : public MessageBoxes
{
public:
    Answer ask(const Request &request) override
    {
        asked.append(request);
        if (onAsk)
            onAsk(request);
        if (request.buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }

    QList<Request> asked;
    QList<Answer> answers;
    std::function<void(const Request &)> onAsk;
};

class FakeUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};
