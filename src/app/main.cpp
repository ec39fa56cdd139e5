#include "appstate.h"
#include "folders.h"
#include "frminput.h"
#include "qtmessageboxes.h"
#include "qtprintdevice.h"
#include "qturlopener.h"
#include "singleinstance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("example.brentola.Quendra"));

    // The whole interface is Italian, so Qt's own buttons ("Sì", "No",
    // "Annulla") must be too, whatever the user's language.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

#ifdef Q_OS_WIN
    const bool windowsPaths = true;
#else
    const bool windowsPaths = false;
#endif
    const QString dataFolder = Folders::dataFolderFor(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), windowsPaths);

    AppState state;
    QtMessageBoxes messages;
    QtUrlOpener urls;
    QtPrintDevice printer;
    FrmInput window(state, dataFolder, messages, urls, printer);
    if (!window.load())
        return 1;
    // The lock lies in the data folder, which load() makes; up to here a
    // second copy has only read, or written a missing default layout as the
    // first would.
    SingleInstance instance(state.DataFolder);
    if (!instance.claim()) {
        messages.notify(QStringLiteral("Quendra è già aperto con questa cartella dei dati: "
                                       "viene mostrata la sua finestra."),
                        MessageBoxes::Icon::Information);
        instance.bringOtherToFront();
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::frontRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
