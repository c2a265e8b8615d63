// Runs both test classes of the picture generator in one program.
#include "test_art.h"

#include <QGuiApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    int status = 0;
    {
        DeliveredPicturesTest delivered;
        status |= QTest::qExec(&delivered, argc, argv);
    }
    {
        GifWriterTest writer;
        status |= QTest::qExec(&writer, argc, argv);
    }
    return status;
}
