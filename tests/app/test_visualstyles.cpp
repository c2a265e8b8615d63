// The visual-styles manifest and restart script.
#include "visualstyles.h"

#include <QtTest>

class TestVisualStyles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestVisualStyles)
#include "test_visualstyles.moc"
