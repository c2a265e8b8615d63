// Test classes of the picture generator: the delivered files and window
// artwork as the program finds them, what the window artwork promises its
// windows, the generator run as a whole, the pictures in their gallery
// cells, the borders as designs, the drawing kit and the GIF writer.
#pragma once

#include <QObject>

class DeliveredPicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFileIsThereReadableAndDecodes();
    void siteFilesHoldTheDefaultAddress();
    void linkButtonsAreDistinctAndSomeAnimated();
    void bordersAreDistinctAndSomeAnimated();
    void smiliesAreTransparentDistinctAndOftenAnimated();
    void fixedSizePictures();
    void resourcesLoadAtTheirSizes();
    void animationsLoopWithoutAJump();
};

class WindowArtTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void welcomeLeavesItsTextAreasPlain();
    void mainBackgroundIsWhiteWithABlueTabBand();
    void tabBarsKeepWhiteTextReadable();
    void swatchesShowTheirNamedColours();
    void animatedTabIconsChange();
    void tabBandIsPlainUnderTheAdministrativeLabel();
};

class GeneratorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rerunReproducesTheBuiltFilesQuickly();
    void picturesIgnoreOtherInstalledFonts();
    void refusesMissingArgumentsAndUnwritableFolders();
    void drawsTheProgramIconAsAnIconTheme();
};

class GalleryCellsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linkButtonsKeepTheirShapeInTheirCell();
    void linkButtonWordingReadsInItsCell();
    void smiliesFillTheirCells();
    void noTwoSmiliesNearlyCoincide();
};

class BorderDesignTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bordersAreSeenWholeWithBothEndsAlike();
    void fortyMotifsOrMoreAndNoMereRecolours();
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
    void frameDelaysRoundToTheNearestHundredth();
    void alphaThresholdKeepsPixelsAtTheThreshold();
};
