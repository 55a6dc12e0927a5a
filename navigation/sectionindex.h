#pragma once

#include "store/memtable.h"
#include "store/query.h"

#include <QString>
#include <cstdint>

namespace kelvane {

class Database;

// The section index behind the toolbar jumps: MemRazdel (id, num, name) holds the class nodes
// under the root (except the root itself), then the classes of common objects.
class SectionIndex {
public:
    static constexpr int Id = 0;
    static constexpr int Num = 1;
    static constexpr int Name = 2;

    explicit SectionIndex(const Database& database);

    MemTable& MemRazdel() { return memRazdel_; }
    const MemTable& MemRazdel() const { return memRazdel_; }

    // Rebuilds MemRazdel through qrTemp; also the action of Button1.
    void LoadRazdel();
    // num of the last section whose name equals `name` exactly, or -1.
    std::int32_t NumRazdel(const QString& name) const;

private:
    Query qrTemp_;
    MemTable memRazdel_;
};

} // namespace kelvane
