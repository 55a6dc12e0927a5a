#pragma once

#include <QString>
#include <Qt>

namespace kelvane {

// One visible column of a data grid: the field it shows, its title, width and alignments.
struct GridColumn {
    QString field;
    QString title;
    int width = 64;
    Qt::Alignment titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment valueAlignment = Qt::AlignLeft | Qt::AlignVCenter;
};

} // namespace kelvane
