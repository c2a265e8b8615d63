// Runs the test classes of the picture generator in one program.
#include "tests/art/test_art.h"

#include <QGuiApplication>
#include <QTest>

namespace {

template <typename Test> int run(int argc, char* argv[])
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    int status = 0;
    status |= run<DeliveredPicturesTest>(argc, argv);
    status |= run<WindowArtTest>(argc, argv);
    status |= run<GeneratorTest>(argc, argv);
    status |= run<GalleryCellsTest>(argc, argv);
    status |= run<BorderDesignTest>(argc, argv);
    status |= run<ArtKitTest>(argc, argv);
    status |= run<GifWriterTest>(argc, argv);
    return status;
}
