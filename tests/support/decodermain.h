#pragma once

#include "picturedecode.h"

#include <QTest>

/// QTEST_MAIN for a test that reads cheque pictures: the reading starts the
/// running program again in its decode mode, here the test itself.
#define QUENDRA_TEST_MAIN_DECODING(TestObject, Application)                                          \
    int main(int argc, char *argv[])                                                                 \
    {                                                                                                \
        if (const int decoded = PictureDecode::runDecodeMode(argc, argv); decoded >= 0)              \
            return decoded;                                                                          \
        QTest::Internal::callInitMain<TestObject>();                                                 \
        Application app(argc, argv);                                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                     \
        TestObject tc;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                   \
        return QTest::qExec(&tc, argc, argv);                                                        \
    }
