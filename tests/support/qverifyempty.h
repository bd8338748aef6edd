#pragma once
// Many test helpers return an empty text on success, else what they found;
// this checks one and fails with that text.

#include <QString>
#include <QTest>

#define QVERIFY_EMPTY(expr)                                                                        \
    do {                                                                                           \
        const QString why_ = (expr);                                                               \
        QVERIFY2(why_.isEmpty(), qPrintable(why_));                                                \
    } while (0)
