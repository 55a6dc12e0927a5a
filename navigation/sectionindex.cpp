#include "navigation/sectionindex.h"

#include "store/konfigcolumns.h"

namespace kelvane {

SectionIndex::SectionIndex(const Database& database)
    : qrTemp_(QStringLiteral("qrTemp"), database)
    , memRazdel_(QStringLiteral("MemRazdel"),
                 {{QStringLiteral("id"), MemTable::Kind::Integer},
                  {QStringLiteral("num"), MemTable::Kind::Integer},
                  {QStringLiteral("name"), MemTable::Kind::Text}},
                 true) {}

void SectionIndex::LoadRazdel() {
    memRazdel_.close();
    memRazdel_.open();

    qrTemp_.reopen(QStringLiteral("Select * from konfigtree Where id_parent=0;"));
    if (qrTemp_.recordCount() > 0) {
        for (qrTemp_.first(); !qrTemp_.eof(); qrTemp_.next()) {
            const std::int64_t num = qrTemp_.fieldAsInteger(konfig::Num);
            if (num != 0)
                memRazdel_.insert({QVariant(qlonglong(num)), qrTemp_.fieldAsText(konfig::Name)});
        }
    }

    qrTemp_.reopen(QStringLiteral("Select * from konfigtree Where id_parent=1;"));
    if (qrTemp_.recordCount() == 0)
        return;
    for (qrTemp_.first(); !qrTemp_.eof(); qrTemp_.next())
        memRazdel_.insert({QVariant(qlonglong(qrTemp_.fieldAsInteger(konfig::Num))),
                           qrTemp_.fieldAsText(konfig::Name)});
}

std::int32_t SectionIndex::NumRazdel(const QString& name) const {
    if (!memRazdel_.isOpen())
        return -1;
    std::int32_t result = -1;
    for (int row = 0; row < memRazdel_.recordCount(); ++row)
        if (memRazdel_.value(row, Name).toString() == name)
            result = static_cast<std::int32_t>(memRazdel_.value(row, Num).toLongLong());
    return result;
}

} // namespace kelvane
