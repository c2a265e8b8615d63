// Finds a window's controls by their make-up names ("txtEdit", "opt(3)"),
// the names that windows and tests share.
#pragma once

#include <QObject>
#include <QString>
#include <QTest>

// The control named name under root; the test fails if there is none.
template <typename T> T* named(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return found;
}
