// Test classes of the picture generator: the delivered files and window
// artwork as the program finds them, what the window artwork promises its
// windows, the generator run as a whole, its drawing kit and the GIF writer.
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

class WindowArtTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void welcomeLeavesItsTextAreasPlain();
    void mainBackgroundIsWhiteWithABlueTabBand();
    void tabBarsKeepWhiteTextReadable();
    void swatchesShowTheirNamedColours();
    void animatedTabIconsChange();
};

class GeneratorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rerunReproducesTheBuiltFilesQuickly();
    void refusesMissingArgumentsAndUnwritableFolders();
};

class ArtKitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFaceResolvesToAnInstalledFamily();
    void arabicTextIsShapedNotIsolated();
    void fittedTextFitsWithoutShrinkingNeedlessly();
    void randomIsReproducibleAndCoversItsRange();
    void smoothCurvePassesThroughItsPoints();
    void sinkWritesOrdinaryPermissionsAndReportsFailures();
};

class GifWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fewColoursRoundTripExactlyWithTransparency();
    void paletteBoundaryWithAndWithoutTransparency();
    void partialAlphaIsBlendedOrDropped();
    void manyColoursComeBackClose();
    void paletteStaysWithinGifLimits();
    void framesShareOnePaletteSoStillPartsDoNotFlicker();
    void animationKeepsFramesDelaysAndLoops();
    void outputIsReproducible();
    void filesAreWorldReadableWhateverTheUmask();
    void unwritablePathReportsAnError();
};
