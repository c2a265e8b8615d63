// Test classes of the picture generator: the delivered files and window
// artwork as the program finds them, and the GIF writer on its own.
#pragma once

#include <QObject>

class DeliveredPicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFileIsThereReadableAndDecodes();
    void siteFilesHoldTheDefaultAddress();
    void linkButtonsAreDistinctSizedAndSomeAnimated();
    void bordersAreWideFlatDistinctAndSomeAnimated();
    void smiliesAreSmallTransparentAndDistinct();
    void fixedSizePictures();
    void resourcesLoadAtTheirSizes();
};

class GifWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fewColoursRoundTripExactlyWithTransparency();
    void partialAlphaIsBlendedOrDropped();
    void manyColoursComeBackClose();
    void paletteStaysWithinGifLimits();
    void animationKeepsFramesDelaysAndLoops();
    void filesAreWorldReadableWhateverTheUmask();
    void unwritablePathReportsAnError();
};
