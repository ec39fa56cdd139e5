#pragma once

#include "urlopener.h"

#include <sys/types.h>

class QtUrlOpener : public UrlOpener
{
public:
    /// userMask: the umask the user started the program with, which the
    /// browser it may start should have, not the program's private one.
    explicit QtUrlOpener(mode_t userMask)
        : m_userMask(userMask)
    {
    }

    void open(const QString &address) override;

private:
    mode_t m_userMask;
};
