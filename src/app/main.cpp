#include "appstate.h"
#include "folders.h"
#include "frminput.h"
#include "keyboarduse.h"
#include "picturedecode.h"
#include "qtmessageboxes.h"
#include "qtprintdevice.h"
#include "registercsv.h"
#include "qturlopener.h"
#include "singleinstance.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace {

// A folder made by an earlier version, or by hand, may be open to every
// user of the computer; it is the user's to decide, so it is told once
// (the mark of that is a file of the folder) and left as it is.
void tellIfShared(const QString &dataFolder, MessageBoxes &messages)
{
    const QString mark = dataFolder + QStringLiteral("/.quendra-avviso-permessi");
    if (!Folders::othersCanRead(dataFolder) || QFileInfo::exists(mark))
        return;
    const QString shown = QDir::toNativeSeparators(dataFolder);
    messages.notify(QStringLiteral("La cartella dei dati %1 può essere letta dagli altri utenti di questo "
                                   "computer, che vi troverebbero i conti correnti e i beneficiari. Per "
                                   "renderla privata: chmod 700 \"%1\". Questo avviso non viene ripetuto.")
                        .arg(shown),
                    MessageBoxes::Icon::Exclamation);
    QFile(mark).open(QIODevice::WriteOnly);
}

// Ends the run as closing the window does: modal windows first, so each
// does its own closing work, then the main window.
void endAsClosed(QWidget &window)
{
    for (QWidget *modal; (modal = QApplication::activeModalWidget()) != nullptr;) {
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            break; // a box that cannot be closed; leaving its loop answers No
    }
    window.close();
    QCoreApplication::quit();
}

QString dataFolderOfThisRun()
{
#ifdef Q_OS_WIN
    const bool windowsPaths = true;
#else
    const bool windowsPaths = false;
#endif
    return Folders::dataFolderFor(QCoreApplication::applicationDirPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                  windowsPaths);
}

// `quendra --registro-csv FILE`: the register for scripts and backups,
// with no window, so no display is needed.
int exportRegister(int argc, char *argv[])
{
    ::umask(S_IRWXG | S_IRWXO);
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quendra"));
    const QStringList arguments = QCoreApplication::arguments();
    QString errors;
    const int status = RegisterCsv::exportCommand(dataFolderOfThisRun(),
                                                  arguments.size() == 3 ? arguments[2] : QString(), &errors);
    if (status != 0)
        std::fprintf(stderr, "%s\n", errors.toLocal8Bit().constData());
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // A child started to decode a picture does that alone, with no window.
    if (const int decoded = PictureDecode::runDecodeMode(argc, argv); decoded >= 0)
        return decoded;
    if (argc >= 2 && std::strcmp(argv[1], "--registro-csv") == 0)
        return exportRegister(argc, argv);
    // The bank accounts are nobody else's business: whatever the user's
    // umask, what the program makes is private to the user.
    const mode_t userMask = ::umask(S_IRWXG | S_IRWXO);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("example.brentola.Quendra"));
    KeyboardUse::install(app);

    // The whole interface is Italian, so Qt's own buttons ("Sì", "No",
    // "Annulla") must be too, whatever the user's language.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    const QString dataFolder = dataFolderOfThisRun();

    AppState state;
    QtMessageBoxes messages;
    QtUrlOpener urls(userMask);
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
    Folders::removeSaveLeftovers(state.DataFolder);
    tellIfShared(state.DataFolder, messages);
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &window, [&window] { endAsClosed(window); });
    QObject::connect(&instance, &SingleInstance::frontRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
