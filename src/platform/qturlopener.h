#pragma once

#include "urlopener.h"

class QtUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override;
};
