// An icon whose picture files start decoding on the worker thread the
// moment the icon is made.
#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

#include <utility>

namespace controls {

// An icon whose pictures (one file per size) decode on the worker thread
// from the moment it is made; it is complete when first drawn or asked
// for, and behaves as an icon made from the files then.
QIcon iconAhead(const QList<std::pair<QString, QSize>>& files);

} // namespace controls
