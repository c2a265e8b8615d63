// What a gallery reports while it loads its pictures at start-up: the
// range of the progress, then each picture as it is read.
#pragma once

#include <QString>

class GalleryProgress {
public:
    virtual ~GalleryProgress() = default;
    virtual void start(int maximum) = 0;
    virtual void loaded(const QString& path, int value) = 0;
};
