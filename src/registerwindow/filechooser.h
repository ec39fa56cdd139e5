#pragma once

#include <QString>

class QWidget;

/// Where to save a file, asked of the user; a test answers in their place.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    /// The file chosen, empty when the user gave up.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;
};
