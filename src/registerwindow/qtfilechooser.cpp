#include "qtfilechooser.h"

#include <QFileDialog>

QString QtFileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
