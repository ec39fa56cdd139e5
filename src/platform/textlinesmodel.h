#pragma once

#include "foldedprefixindex.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>

#include <atomic>
#include <memory>
#include <thread>

/// The lines of an 8-bit text file as a list model, for a combo box with a
/// very long list. All lines sit in one Windows-1252 buffer with their
/// offsets beside it; a line becomes a QString only while it is shown or
/// asked for, so a million names cost little more than the file's size.
class TextLinesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TextLinesModel(QObject *parent = nullptr);
    ~TextLinesModel() override;

    /// Replaces the list with the lines of the file that hold more than
    /// blanks, in file order, each kept as it is. A missing or unreadable
    /// file gives an empty list.
    void load(const QString &path);
    /// The same, with the file read on another thread: the list stays as it
    /// is until finishLoading() takes the lines in, which loaded() invites.
    void startLoading(const QString &path);
    /// True from startLoading() until its lines are taken in.
    bool isLoading() const { return m_loader.joinable(); }
    /// Waits for the file startLoading() reads and takes its lines in.
    void finishLoading();

    /// Characters a row shows at most; a longer line is shown cut, with "…".
    static constexpr quint32 MaxShownLength = 250;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    QString text(int row) const;
    /// Adds a line at the end; characters the code page cannot hold become '?'.
    void append(const QString &line);
    /// The first row whose text equals text exactly (same case), or -1.
    int indexOf(const QString &text) const;
    /// Every line as the file holds it, ended by CR LF; control characters,
    /// which no line of a data file may hold, are left out.
    QByteArray fileBytes() const;

    /// The first row, in list order, whose text begins with prefix ignoring
    /// case, or -1. The first call starts sorting the list on another
    /// thread and, until that is done, each call reads the list through.
    int firstRowStartingWith(const QString &prefix);
    /// Starts the sorting behind firstRowStartingWith, if not done yet.
    void prepareLookup();
    /// Waits until the sorting is done and in use.
    void waitForLookup();

Q_SIGNALS:
    /// The file startLoading() reads is read; sent in the model's thread.
    void loaded();

private:
    struct Lines
    {
        QByteArray bytes;
        QList<quint32> starts{0};
    };
    static Lines readLines(const QString &path);
    void replaceLines(Lines lines);
    void adoptFinishedIndex(bool wait);
    void listChanged();

    QByteArray m_bytes;
    QList<quint32> m_starts{0}; // line i is m_bytes[m_starts[i], m_starts[i + 1])

    struct PendingIndex
    {
        FoldedPrefixIndex index;
        std::atomic<bool> done{false};
    };
    std::unique_ptr<FoldedPrefixIndex> m_index;
    std::shared_ptr<PendingIndex> m_pending;
    std::thread m_builder;
    std::thread m_loader;
    Lines m_read; // written by m_loader only, read once it is joined
    bool m_pendingStale = false; // the list changed while m_pending was being built
};
