#pragma once

#include <QByteArray>

/// The default layout file exactly as start-up writes it.
inline const QByteArray DefaultLayoutBytes =
    "\r\n2,3\r\n13,5\r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
    "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n\r\n2700\r\n2250\r\n";
