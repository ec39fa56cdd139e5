#pragma once

#include <QString>

/// Hands a web address to the user's default browser. Failures are not
/// reported: a link that does not open changes nothing.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString &address) = 0;
};
