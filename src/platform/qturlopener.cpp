#include "qturlopener.h"

#include <QDesktopServices>
#include <QUrl>

void QtUrlOpener::open(const QString &address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
