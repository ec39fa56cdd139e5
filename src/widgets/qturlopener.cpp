#include "qturlopener.h"

#include <QDesktopServices>
#include <QUrl>

#include <sys/stat.h>

void QtUrlOpener::open(const QString &address)
{
    // A browser started from here would otherwise save the user's downloads
    // as privately as this program keeps its bank accounts.
    const mode_t programMask = ::umask(m_userMask);
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
    ::umask(programMask);
}
