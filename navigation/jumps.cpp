#include "navigation/jumps.h"

#include "navigation/navigatorview.h"
#include "navigation/popmenentries.h"
#include "navigation/sectionindex.h"
#include "store/konfigtable.h"

namespace kelvane {

Jumps::Jumps(KonfigTable& adoTable1, const SectionIndex& sections, NavigatorView& view)
    : adoTable1_(adoTable1)
    , sections_(sections)
    , view_(view) {}

void Jumps::dxBarButton1Click() {
    adoTable1_.first();
}

void Jumps::dxBarButton2Click(const QString& caption) {
    const std::int32_t n = sections_.NumRazdel(caption);
    adoTable1_.locate(QStringLiteral("num"), QString::number(n), {true, true});
    view_.focusTree();
}

void Jumps::locateName(const QString& name) {
    adoTable1_.locate(QStringLiteral("name"), name, {true, false});
}

void Jumps::MenuItem2Click(const QString& caption) {
    locateName(caption);
}

// The fixed names equal their entries' captions; "Планы cчетов" has the Latin c.
void Jumps::N10Click() {
    locateName(QStringLiteral("Планы cчетов"));
}
void Jumps::XDTO1Click() {
    locateName(QStringLiteral("Пакеты XDTO"));
}
void Jumps::Web1Click() {
    locateName(QStringLiteral("Web-сервисы"));
}
void Jumps::WS1Click() {
    locateName(QStringLiteral("WS-ссылки"));
}

void Jumps::choose(const PopMenEntry& entry) {
    switch (entry.handler) {
    case PopMenEntry::Handler::MenuItem2Click:
        MenuItem2Click(entry.caption);
        break;
    case PopMenEntry::Handler::N10Click:
        N10Click();
        break;
    case PopMenEntry::Handler::XDTO1Click:
        XDTO1Click();
        break;
    case PopMenEntry::Handler::Web1Click:
        Web1Click();
        break;
    case PopMenEntry::Handler::WS1Click:
        WS1Click();
        break;
    }
}

} // namespace kelvane
