#pragma once

#include "messageboxes.h"

#include "urlopener.h"

#include <QList>
#include <QtTest/qtestcase.h>
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

inline bool operator==(const MessageBoxes::Request &a, const MessageBoxes::Request &b)
{
    return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons
        && a.defaultButton == b.defaultButton;
}

namespace QTest {
inline char *toString(const MessageBoxes::Request &r)
{
    return qstrdup(QStringLiteral("[%1] \"%2\" icon %3 buttons %4 default %5")
                       .arg(r.title, r.text)
                       .arg(int(r.icon))
                       .arg(int(r.buttons))
                       .arg(int(r.defaultButton))
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class FakeUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};
