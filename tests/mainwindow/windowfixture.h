#pragma once

#include "appstate.h"
#include "defaultlayout.h"
#include "fakemessageboxes.h"
#include "filebytes.h"
#include "frminput.h"
#include "payeelist.h"
#include "recordingprintdevice.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

/// A main window whose data folder lies in a temporary directory of its
/// own, with files placed there before it loads.
struct WindowFixture
{
    using Files = QList<QPair<const char *, QByteArray>>;

    /// withFolder false: the data folder does not exist yet, as at a first start.
    explicit WindowFixture(const Files &files = {}, bool withFolder = true)
    {
        if (withFolder)
            QDir().mkpath(folder());
        for (const auto &[name, bytes] : files)
            write(name, bytes);
        printer.setPrinters({QStringLiteral("Ufficio"), QStringLiteral("PDF")});
    }
    QString folder() const { return dir.filePath(QStringLiteral("Quendra")); }
    QString path(const char *name) const { return folder() + QLatin1Char('/') + QLatin1String(name); }
    void write(const char *name, const QByteArray &bytes) const { putBytes(path(name), bytes); }
    QByteArray bytes(const char *name) const { return bytesIn(path(name)); }
    QStringList payees() const
    {
        window.BENEFICIARIO->findChild<PayeeList *>()->ensureLoaded();
        QStringList list;
        for (int i = 0; i < window.BENEFICIARIO->count(); ++i)
            list.append(window.BENEFICIARIO->itemText(i));
        return list;
    }
    /// Presses the print button and answers the printer window as soon as
    /// it is up: Enter prints, Escape cancels. Returns whether it was shown.
    bool pressPrint(Qt::Key answer)
    {
        bool shown = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->windowTitle() == QLatin1String("Selezione Stampante")) {
                shown = true;
                poll.stop();
                QTest::keyClick(modal, answer);
            }
        });
        poll.start();
        QTest::mouseClick(window.StampaAssegno, Qt::LeftButton);
        return shown;
    }
    bool show()
    {
        if (!window.load())
            return false;
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window{state, folder(), messages, urls, printer};
};
