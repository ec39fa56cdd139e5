#pragma once

#include "filechooser.h"

/// The platform's own save dialog.
class QtFileChooser final : public FileChooser
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override;
};
