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
#include <QTest>

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
