#pragma once

#include <QString>
#include <cstdint>

namespace kelvane {

// What a drawing routine reports to the rest of the window: the current-record panel (Ed1 the
// path, Ed2 the name) and the one visit per drawing. Navigation implements it.
class DiagramHost {
public:
    virtual ~DiagramHost() = default;
    virtual void setEd1(const QString& path) = 0;
    virtual void setEd2(const QString& name) = 0;
    virtual void recordVisit(std::int32_t idrec, const QString& namelite,
                             const QString& nameful) = 0;
};

} // namespace kelvane
